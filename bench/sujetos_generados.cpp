#include "sujetos_generados.h"

#include "common/digitos_verificadores.h"
#include "database/codigos.h"
#include "reference/numeracion_sujetos.h"
#include "sentencia_sqlite.h"
#include "support/dialogos_guionados.h"

#include <QString>
#include <map>
#include <optional>

namespace {

const char* const kApellidos[] = {
    "GONZALEZ", "RODRIGUEZ", "GOMEZ", "FERNANDEZ", "LOPEZ", "DIAZ", "MARTINEZ", "PEREZ",
    "GARCIA", "SANCHEZ", "ROMERO", "SOSA", "ALVAREZ", "TORRES", "RUIZ", "RAMIREZ", "FLORES",
    "BENITEZ", "ACOSTA", "MEDINA", "HERRERA", "SUAREZ", "AGUIRRE", "GIMENEZ", "GUTIERREZ",
    "PEREYRA", "ROJAS", "MOLINA", "CASTRO", "ORTIZ", "SILVA", "NUÑEZ", "LUNA", "JUAREZ",
    "CABRERA", "RIOS", "FERREYRA", "GODOY", "MORALES", "DOMINGUEZ", "MORENO", "PERALTA", "VEGA",
    "CARRIZO", "QUIROGA", "CASTILLO", "LEDESMA", "MUÑOZ", "OJEDA", "PONCE", "VERA", "VAZQUEZ",
    "VILLALBA", "CARDOZO", "NAVARRO", "CORREA", "FIGUEROA", "ACUÑA", "IBAÑEZ", "PEÑA",
    "BRIZUELA", "O'CONNOR", "DELL'ORTO", "ZAMUDIO", "BUSTOS", "MAIDANA", "ARAUJO", "BRUNO",
    "ROSSI", "RUSSO", "FERRARI", "BIANCHI", "SCHMIDT", "MÜLLER", "WEBER", "LAMBERTUCCI",
};

const char* const kNombresVaron[] = {
    "JUAN", "CARLOS", "JOSE", "LUIS", "JORGE", "MIGUEL", "DANIEL", "ALBERTO", "RICARDO", "RAUL",
    "HUGO", "OSCAR", "ROBERTO", "MARIO", "ANGEL", "PABLO", "SERGIO", "MARCELO", "GUSTAVO",
    "DIEGO", "MARTIN", "FACUNDO", "MATIAS", "NICOLAS", "JOAQUIN", "RAMON", "HECTOR", "NESTOR",
    "JULIAN", "TOMAS",
};

const char* const kNombresMujer[] = {
    "MARIA", "ANA", "LAURA", "SILVIA", "GRACIELA", "MONICA", "PATRICIA", "NORMA", "ROSA",
    "CLAUDIA", "ALICIA", "SUSANA", "MARTA", "ELENA", "BEATRIZ", "LORENA", "CAROLINA", "VALERIA",
    "ROMINA", "NATALIA", "FLORENCIA", "SOFIA", "CAMILA", "AGUSTINA", "MARIELA", "INES",
    "MONSERRAT", "BELEN", "ZOE", "MIRTA",
};

const char* const kRubros[] = {
    "AGROPECUARIA", "TRANSPORTES", "CONSTRUCCIONES", "DISTRIBUIDORA", "COMERCIAL", "SERVICIOS",
    "METALURGICA", "FRIGORIFICO", "ACOPIOS", "INSUMOS", "LOGISTICA", "INDUSTRIAS", "FERRETERIA",
    "ESTABLECIMIENTO", "CEREALERA", "LACTEOS", "MOLINOS", "TALLERES", "PLASTICOS", "SEMILLAS",
};

const char* const kLugares[] = {
    "DEL LITORAL", "DEL SUR", "DEL NORTE", "PARANA", "LA PAZ", "VICTORIA", "GUALEGUAY",
    "CONCORDIA", "SAN JOSE", "VILLAGUAY", "LA ESPERANZA", "EL CEIBO", "LOS ALAMOS", "SANTA ELENA",
    "DEL PLATA", "ANDINA", "PAMPEANA", "MESOPOTAMICA", "CRESPO", "FEDERAL",
};

const char* const kSociedades[] = {"S.A.", "S.R.L.", "S.A.S.", "S.H.", "HNOS.", "Y CIA.",
                                   "COOP. LTDA."};

const char* const kCalles[] = {
    "SAN MARTIN", "BELGRANO", "RIVADAVIA", "25 DE MAYO", "9 DE JULIO", "SARMIENTO", "MITRE",
    "URQUIZA", "ALEM", "MORENO", "ITALIA", "ESPAÑA", "CORRIENTES", "BUENOS AIRES", "SANTA FE",
    "LAPRIDA", "PERU", "CHILE", "BOLIVIA", "ENTRE RIOS", "LA RIOJA", "SALTA", "PELLEGRINI",
    "ALMAFUERTE", "ECHAGÜE", "O'HIGGINS", "LIBERTAD", "INDEPENDENCIA", "AV. RAMIREZ",
    "AV. LAS HERAS", "AV. ZANNI", "AV. DE LAS AMERICAS", "GRAL. PAZ", "CERVANTES", "BRASIL",
    "GUEMES", "DON BOSCO", "GÜEMES", "PIEDRAS", "NOGOYA",
};

const char* const kLocalidades[] = {
    "PARANA", "CONCORDIA", "GUALEGUAYCHU", "VICTORIA", "LA PAZ", "CRESPO", "DIAMANTE",
    "NOGOYA", "VILLAGUAY", "COLON", "CHAJARI", "FEDERAL", "SAN SALVADOR", "BASAVILBASO",
};

QString t(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The digit that completes `sinDigito` so that `acepta` takes it; nothing when no digit does.
template <class Acepta>
std::optional<QString> completarDigito(const QString& sinDigito, Acepta acepta)
{
    for (char d = '0'; d <= '9'; ++d) {
        const QString numero = sinDigito + QLatin1Char(d);
        if (acepta(numero)) return numero;
    }
    return std::nullopt;
}

class FabricaSujetos {
public:
    explicit FabricaSujetos(Aleatorio azar) : azar_(azar) {}

    // The jurisdiction: the province's register, the Convenio Multilateral ("911" the province's
    // own there), the subjects not registered and the foreigners.
    QString jurisdiccion()
    {
        const double u = azar_.real();
        if (u < 0.57) return QStringLiteral("000");
        if (u < 0.68) return QStringLiteral("911");
        if (u < 0.90) {
            // Any other jurisdiction of the Convenio, "901" to "924".
            int j = int(azar_.entre(901, 923));
            if (j >= 911) ++j;
            return QString::number(j);
        }
        if (u < 0.995) return jurisdiccion_sujeto::NoInscripto;
        return QStringLiteral("999");
    }

    // The subject's number: the jurisdiction and seven digits, checked as the subjects form checks
    // them; the system's numbering for "950" and "999".
    QString numero(const QString& j)
    {
        int& ultimo = ultimos_[j];
        if (j == jurisdiccion_sujeto::NoInscripto || j == u"999") {
            ++ultimo;
            return j + QString::number(ultimo).rightJustified(6, u'0') + u'0';
        }
        // Registers that began long before this agent's first subject.
        if (ultimo == 0) ultimo = int(azar_.entre(100000, 300000));
        for (;;) {
            ultimo += int(azar_.entre(1, 3));
            const QString seis = QString::number(ultimo).rightJustified(6, u'0');
            const auto completo = j == u"000"
                ? completarDigito(seis, [this](const QString& n) {
                      return verificaDigitoInscripcion(n) && validaInscripcion(silencio_, n);
                  })
                // The form's check and the import's disagree on some numbers: only numbers both
                // accept are used.
                : completarDigito(seis, [this](const QString& n) {
                      return verificaDigitoConvenioMultilateral(n)
                          && validaConvenioMultilateral(silencio_, n);
                  });
            if (completo) return j + *completo;
        }
    }

    QString cuit(bool persona)
    {
        for (;;) {
            const char* prefijo =
                persona ? azar_.uno({"20", "20", "27", "27", "23", "24"}) : azar_.uno({"30", "30", "33", "34"});
            // Bodies spread over the whole range three apart, so no two subjects share a CUIT.
            constexpr qint64 kLugares = 29000000;
            const qint64 cuerpo =
                10000000 + (qint64(sujeto_) * 7654321 % kLugares) * 3 + azar_.entre(0, 2);
            const QString completo =
                cuitCompleto(QString::fromLatin1(prefijo) + QString::number(cuerpo));
            if (!completo.isEmpty()) return completo;
        }
    }

    QString persona()
    {
        const bool mujer = azar_.probabilidad(0.45);
        QString nombre = t(azar_.deLista(kApellidos));
        if (azar_.probabilidad(0.2)) nombre += u' ' + t(azar_.deLista(kApellidos));
        nombre += u' ' + t(mujer ? azar_.deLista(kNombresMujer) : azar_.deLista(kNombresVaron));
        if (azar_.probabilidad(0.4))
            nombre += u' ' + t(mujer ? azar_.deLista(kNombresMujer) : azar_.deLista(kNombresVaron));
        return nombre.left(40);
    }

    QString empresa()
    {
        QString nombre;
        switch (azar_.entre(0, 3)) {
        case 0: nombre = t(azar_.deLista(kRubros)) + u' ' + t(azar_.deLista(kLugares)); break;
        case 1:
            nombre = t(azar_.deLista(kApellidos)) + QStringLiteral(" Y ")
                + t(azar_.deLista(kApellidos));
            break;
        case 2: nombre = t(azar_.deLista(kRubros)) + u' ' + t(azar_.deLista(kApellidos)); break;
        default: nombre = QStringLiteral("EL ") + t(azar_.deLista(kApellidos)); break;
        }
        return (nombre + u' ' + t(azar_.deLista(kSociedades))).left(40);
    }

    QString domicilio()
    {
        const double u = azar_.real();
        QString d;
        if (u < 0.04) {
            d = QStringLiteral("RUTA %1 KM %2").arg(azar_.uno({12, 14, 18, 127, 130, 131}))
                    .arg(azar_.entre(1, 450));
        } else if (u < 0.06) {
            d = QStringLiteral("ZONA RURAL");
        } else {
            d = t(azar_.deLista(kCalles)) + u' ' + QString::number(azar_.entre(1, 3999));
            if (azar_.probabilidad(0.12))
                d += QStringLiteral(" PISO %1 DTO %2").arg(azar_.entre(1, 12))
                         .arg(QChar(char16_t(u'A' + azar_.entre(0, 5))));
        }
        return (d + QStringLiteral(" - ") + t(azar_.deLista(kLocalidades))).left(40);
    }

    SujetoGenerado siguiente(Sentencia& insertar)
    {
        const QString j = jurisdiccion();
        const QString nro = numero(j);
        // Some registered subjects presented a certificate of non-withholding.
        const bool registrado = j != u"950" && j != u"999";
        const bool constancia = registrado && azar_.probabilidad(0.02);
        const QString tipo = tipoDeSujeto(nro, constancia);
        const bool persona = azar_.probabilidad(0.6);
        insertar.ejecutar(nro, cuit(persona), persona ? this->persona() : empresa(), domicilio(),
                          tipo);
        ++sujeto_;
        return {nro.toStdString(), tipo.toStdString()};
    }

private:
    Aleatorio azar_;
    DialogosGuionados silencio_;
    std::map<QString, int> ultimos_;
    int sujeto_ = 0;
};

} // namespace

QString cuitCompleto(const QString& diezDigitos)
{
    DialogosGuionados silencio;
    return completarDigito(diezDigitos, [&](const QString& n) {
               return verificaDigitoCUIT(n) && validaCUIT(silencio, n);
           }).value_or(QString());
}

std::vector<SujetoGenerado> generarSujetos(ConexionSqlite& db, Aleatorio azar, int cantidad)
{
    Sentencia insertar(db, "INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, Domicilio, "
                           "Cod_Tipo) VALUES (?, ?, ?, ?, ?)");
    FabricaSujetos fabrica(azar);
    std::vector<SujetoGenerado> sujetos;
    sujetos.reserve(std::size_t(cantidad));
    for (int i = 0; i < cantidad; ++i) sujetos.push_back(fabrica.siguiente(insertar));
    return sujetos;
}
