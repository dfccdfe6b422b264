#include "declaraciones_generadas.h"

#include "base_grande.h"
#include "common/regimenes.h"
#include "database/codigos.h"
#include "database/importe.h"
#include "entry/importe_retenido.h"
#include "entry/regla_alicuota.h"
#include "sentencia_sqlite.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <map>
#include <numeric>

namespace {

// Receipts the branch had issued before the first month kept here.
constexpr qint64 kComprobantesAnteriores = 250000;
constexpr int kPrimerAnio = 2020;
constexpr int kUltimoAnio = 2024;
constexpr qint64 kObleasPorRemesa = 10000;
// Another agent, to whom some grain advances were made.
constexpr char kOtroAgente[] = "000123";

// The regimes the agent acts in, since when, and how their receipts look.
struct RegimenAgente {
    const char* codigo;
    int desde;                      // first month, as anio * 100 + mes
    int digitosMinimos, digitosMaximos;  // of the gross amount's whole part
    double negativos;               // share of credit notes
    bool importada;                 // the agent imports its declarations from its own system
};

constexpr RegimenAgente kRegimenes[] = {
    {"01", 202001, 3, 6, 0.0, true},
    {"06", 202201, 3, 6, 0.03, false},
    {"10", 202405, 3, 6, 0.0, false},
    {"11", 202405, 5, 7, 0.0, false},
    {"12", 202405, 5, 7, 0.0, false},
    {"14", 202405, 4, 6, 0.005, false},
};

struct PlanDeclaracion {
    const RegimenAgente* regimen;
    int anio;
    int mes;
    int filas;
    bool abierta;
    qint64 id = 0;
};

bool es(const MesDeclarado& m, const PlanDeclaracion& d)
{
    return QLatin1String(m.regimen) == QLatin1String(d.regimen->codigo) && m.anio == d.anio
        && m.mes == d.mes;
}

std::vector<PlanDeclaracion> planDeclaraciones(const ParametrosBaseGrande& p, Aleatorio azar)
{
    std::vector<PlanDeclaracion> plan;
    for (int anio = kPrimerAnio; anio <= kUltimoAnio; ++anio)
        for (int mes = 1; mes <= 12; ++mes)
            for (const RegimenAgente& r : kRegimenes) {
                if (anio * 100 + mes < r.desde) continue;
                PlanDeclaracion d{&r, anio, mes, 0, anio == kUltimoAnio && mes == 12};
                d.filas = es(base_grande::kMesMayor, d)     ? p.filasMayor
                        : es(base_grande::kMesMediano, d) ? p.filasMediano
                                                            : int(p.filasMes + azar.entre(-500, 500));
                plan.push_back(d);
            }
    return plan;
}

QString dosDigitos(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString ceros(qint64 n, int ancho)
{
    return QStringLiteral("%1").arg(n, ancho, 10, QLatin1Char('0'));
}

// The rates the entry forms would give, by the program's own rule over the rates stored.
class Tarifas {
public:
    explicit Tarifas(ConexionSqlite& db)
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db.manija(), "SELECT Cod_Regimen, Cod_Tipo, Alicuota FROM Alicuotas", -1,
                           &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            tabla_[{texto(stmt, 0), texto(stmt, 1)}] =
                Importe::desdeDiezmilesimos(sqlite3_column_int64(stmt, 2));
        sqlite3_finalize(stmt);
    }

    Importe alicuota(const RegimenAgente& r, const std::string& tipo, OpcionesAlicuota o)
    {
        const std::string clave = std::string(r.codigo) + tipo + char('0' + o.construccion)
            + char('0' + o.lactea);
        if (const auto it = memo_.find(clave); it != memo_.end()) return it->second;
        const Importe valor =
            reglaAlicuota(reglasRegimen(QString::fromLatin1(r.codigo)), QString::fromStdString(tipo),
                          o, [this](const QString& regimen, const QString& t) -> std::optional<Importe> {
                              const auto it = tabla_.find({regimen, t});
                              if (it == tabla_.end()) return std::nullopt;
                              return it->second;
                          })
                .alicuota;
        memo_[clave] = valor;
        return valor;
    }

    static QString texto(sqlite3_stmt* stmt, int columna)
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, columna)));
    }

private:
    std::map<std::pair<QString, QString>, Importe> tabla_;
    std::map<std::string, Importe> memo_;
};

// The value of each goods type (Tipos), by class and type.
std::map<std::pair<int, int>, Importe> valoresTipos(ConexionSqlite& db)
{
    std::map<std::pair<int, int>, Importe> valores;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.manija(), "SELECT Clase, Tipo, Valor FROM Tipos", -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        valores[{sqlite3_column_int(stmt, 0), sqlite3_column_int(stmt, 1)}] =
            Importe::desdeDiezmilesimos(sqlite3_column_int64(stmt, 2));
    sqlite3_finalize(stmt);
    return valores;
}

// A receipt waiting for its number: receipts of one month are numbered in the order they were
// issued, whatever their declaration.
struct Pendiente {
    std::size_t declaracion;
    int dia;
    quint64 orden;
};

class GeneradorRecibos {
public:
    GeneradorRecibos(ConexionSqlite& db, Aleatorio azar, const std::vector<SujetoGenerado>& sujetos)
        : db_(db), azar_(azar), sujetos_(sujetos), tarifas_(db), tipos_(valoresTipos(db)),
          cabecera_(db, "INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, Anio, Mes, "
                        "Rectifica, Estado, MarcaObs, Origen, Descartados) "
                        "VALUES (?, ?, ?, ?, ?, '00', ?, ?, ?, 0)"),
          retencion_(db, "INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, Importe_Bruto, "
                         "Alicuota, Importe_Ret, Nro_X, Cod_Concepto, Nro_Comprobante, Estado, "
                         "MarcaImp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          otras_(db, "INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
                     "VALUES (?, ?, ?)"),
          guia_(db, "INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, Cantidad, "
                    "Valor_Unitario, Total, Nro_Anticipo, Nro_porte, IdCabecera) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
    {
        // A fixed stride through the subjects, so the frequent ones are of every kind.
        paso_ = 7919;
        while (std::gcd(paso_, qint64(sujetos_.size())) != 1) ++paso_;
    }

    void cabecera(PlanDeclaracion& d)
    {
        cabecera_.ejecutar(base_grande::kAgente, base_grande::kSucursal, d.regimen->codigo,
                           QString::number(d.anio), dosDigitos(d.mes),
                           d.abierta ? estado_cabecera::Abierta : estado_cabecera::Cerrada,
                           !d.abierta && azar_.probabilidad(0.1) ? marca_observacion::Con
                                                                 : marca_observacion::Sin,
                           d.regimen->importada ? origen_cabecera::Importada
                                                : origen_cabecera::Manual);
        d.id = db_.ultimoId();
    }

    // The month's receipts of every declaration, in the order they were issued.
    void mes(std::vector<PlanDeclaracion>& declaraciones)
    {
        std::vector<Pendiente> pendientes;
        for (std::size_t i = 0; i < declaraciones.size(); ++i) {
            const PlanDeclaracion& d = declaraciones[i];
            const int dias = QDate(d.anio, d.mes, 1).daysInMonth();
            for (int f = 0; f < d.filas; ++f)
                pendientes.push_back({i, int(azar_.entre(1, dias)), azar_.siguiente()});
        }
        std::sort(pendientes.begin(), pendientes.end(), [](const Pendiente& a, const Pendiente& b) {
            return std::tie(a.dia, a.orden, a.declaracion) < std::tie(b.dia, b.orden, b.declaracion);
        });
        for (const Pendiente& p : pendientes) recibo(declaraciones[p.declaracion], p.dia);
    }

    qint64 ultimoComprobante() const { return comprobante_; }

    // The remittances that delivered every stamp used, and one more of each letter in stock.
    void remesas()
    {
        Sentencia remesa(db_, "INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, "
                              "Nro_desde, Nro_Hasta, Fecha, Hora) VALUES (?, ?, ?, ?, ?, ?, ?)");
        int numero = 0;
        for (const auto& [letra, entregas] : entregas_) {
            std::vector<QDate> fechas = entregas;
            fechas.push_back(QDate(kUltimoAnio, 12, 2));
            for (std::size_t b = 0; b < fechas.size(); ++b)
                remesa.ejecutar(++numero, QString(letra), base_grande::kAgente,
                                qint64(b) * kObleasPorRemesa + 1, qint64(b + 1) * kObleasPorRemesa,
                                fechas[b].toString(Qt::ISODate), "09:30:00");
        }
    }

private:
    const SujetoGenerado& sujeto()
    {
        // Some subjects are withheld from every month, most now and then.
        const double u = azar_.real();
        const qint64 n = qint64(sujetos_.size());
        const qint64 i = std::min(n - 1, qint64(u * u * double(n)));
        return sujetos_[std::size_t((i * paso_ + 13) % n)];
    }

    // An amount in cents whose whole part has `minimo` to `maximo` digits, the shorter more often.
    qint64 centavos(int minimo, int maximo)
    {
        const int digitos = minimo + int(std::min(azar_.entre(0, maximo - minimo),
                                                  azar_.entre(0, maximo - minimo)));
        qint64 desde = 1;
        for (int i = 1; i < digitos; ++i) desde *= 10;
        return azar_.entre(desde, desde * 10 - 1) * 100 + azar_.entre(0, 99);
    }

    QString concepto(const RegimenAgente& r)
    {
        const QString c = QString::fromLatin1(r.codigo);
        if (c == u"11") return QStringLiteral("97");
        if (c == u"10") return QStringLiteral("98");
        if (c == u"12") return QStringLiteral("98");
        if (c == u"14") return QStringLiteral("31");
        if (azar_.probabilidad(0.7)) return QStringLiteral("00");
        return QString::fromLatin1(c == u"06" ? azar_.uno({"02", "03"})
                                              : azar_.uno({"01", "02", "03", "04", "05"}));
    }

    QString nroX()
    {
        if (azar_.probabilidad(0.3)) return QStringLiteral("0");
        return QLatin1Char('0') + ceros(azar_.entre(1, 12), 4) + ceros(azar_.entre(1, 99999999), 8);
    }

    QString marca(const PlanDeclaracion& d)
    {
        if (!d.regimen->importada) return marca_importacion::Manual;
        const double u = azar_.real();
        // Rows imported with an error wait for their correction in the month in course.
        if (d.abierta && u < 0.001) return marca_importacion::ConError;
        if (u < 0.003) return marca_importacion::Corregida;
        return marca_importacion::Importada;
    }

    void recibo(const PlanDeclaracion& d, int dia)
    {
        const RegimenAgente& r = *d.regimen;
        const QString regimen = QString::fromLatin1(r.codigo);
        const QString numero = ceros(kComprobantesAnteriores + ++comprobante_, 8);
        const SujetoGenerado& s = sujeto();

        OpcionesAlicuota opciones;
        opciones.construccion = regimen == u"01" && azar_.probabilidad(0.05);
        opciones.lactea = regimen == codigo_regimen::Anticipos && azar_.probabilidad(0.1);
        Importe alicuota = tarifas_.alicuota(r, s.tipo, opciones);
        Importe bruto = Importe::desdeCentavos(centavos(r.digitosMinimos, r.digitosMaximos));
        if (azar_.probabilidad(r.negativos)) bruto = -bruto;
        // A grain receipt is worth its stamps, at 100 %.
        std::vector<int> obleas;
        if (regimen == u"10") {
            obleas = tiposDeObleas();
            bruto = Importe();
            for (const int tipo : obleas) bruto += tipos_[{2, tipo}];
            alicuota = Importe::desdeEntero(100);
        }
        const Importe retenido = importeRetenido(bruto, alicuota);
        const bool anulada = azar_.probabilidad(0.015);

        retencion_.ejecutar(d.id, s.nro, dosDigitos(dia), bruto.diezmilesimos(),
                            alicuota.diezmilesimos(), retenido.diezmilesimos(), nroX(),
                            concepto(r), numero,
                            anulada ? estado_retencion::Anulada : estado_retencion::Valida, marca(d));

        const bool anticipos = regimen == codigo_regimen::Anticipos;
        const bool anticiposConOblea = regimen == codigo_regimen::AnticiposConOblea;
        if (anticipos || anticiposConOblea) otrasRetenciones(d, numero, bruto, retenido);
        if (regimen == u"10") obleasDeGranos(d, numero, obleas);
        else if (anticipos) guias(d, numero);
        else if (anticiposConOblea) anticipo(d, numero);
        else if (regimen == u"14") obleaZ(d, numero);
    }

    // What other withholdings the receipt bore; never its own withheld amount again.
    void otrasRetenciones(const PlanDeclaracion& d, const QString& numero, Importe bruto,
                          Importe retenido)
    {
        Importe otras;
        if (azar_.probabilidad(0.6))
            otras = bruto.porcentajeEnCentavos(Importe::desdeCentavos(azar_.entre(10, 100)));
        if (otras == retenido) otras += Importe::desdeCentavos(1);
        otras_.ejecutar(d.id, numero, otras.diezmilesimos());
    }

    // Livestock guides of a "11" receipt: heads of one kind each, valued by the goods types.
    void guias(const PlanDeclaracion& d, const QString& numero)
    {
        if (!azar_.probabilidad(0.5)) return;
        const int cantidad = int(azar_.entre(1, 3));
        for (int i = 0; i < cantidad; ++i) {
            const int tipo = int(std::min(azar_.entre(1, 15), azar_.entre(1, 15)));
            const qint64 cabezas = azar_.entre(1, 120);
            const Importe valor = tipos_[{1, tipo}];
            guia_.ejecutar(numero, base_grande::kAgente, ceros(++guia_numero_, 8), tipo,
                           double(cabezas), valor.diezmilesimos(), (valor * cabezas).diezmilesimos(),
                           nullptr, nullptr, d.id);
        }
    }

    // A grain advance of a "12" receipt, with the stamp of its grain ("A" soy to "D" peanuts).
    void anticipo(const PlanDeclaracion& d, const QString& numero)
    {
        if (!azar_.probabilidad(0.3)) return;
        const double u = azar_.real();
        const int tipo = u < 0.4 ? 1 : u < 0.65 ? 2 : u < 0.95 ? 3 : 4;
        const QChar letra(char16_t(u'@' + tipo));
        const Importe valor = tipos_[{2, tipo}];
        guia_.ejecutar(numero, azar_.probabilidad(0.9) ? base_grande::kAgente : kOtroAgente,
                       letra + ceros(oblea(letra, d), 7), 0, 1.0, valor.diezmilesimos(),
                       valor.diezmilesimos(), ceros(azar_.entre(1, 99999999), 8),
                       ceros(azar_.entre(1, 9999999999999LL), 13), d.id);
    }

    // The stamps of a "10" receipt: one or two, of the grains' types ("A" soy to "D" peanuts).
    std::vector<int> tiposDeObleas()
    {
        std::vector<int> tipos;
        for (qint64 i = azar_.entre(1, 2); i > 0; --i) {
            const double u = azar_.real();
            tipos.push_back(u < 0.4 ? 1 : u < 0.65 ? 2 : u < 0.95 ? 3 : 4);
        }
        return tipos;
    }

    // Stored as the stamps window stores them: each with its type, value and waybill.
    void obleasDeGranos(const PlanDeclaracion& d, const QString& numero, const std::vector<int>& tipos)
    {
        const QString porte = ceros(azar_.entre(1, 9999), 4) + QLatin1Char('-')
                              + ceros(azar_.entre(1, 99999999), 8);
        for (const int tipo : tipos) {
            const QChar letra(char16_t(u'@' + tipo));
            const Importe valor = tipos_[{2, tipo}];
            guia_.ejecutar(numero, "000000", letra + ceros(oblea(letra, d), 7), tipo, 1.0,
                           valor.diezmilesimos(), valor.diezmilesimos(), nullptr, porte, d.id);
        }
    }

    // The "Z" stamp a "14" receipt carries, stored as the entry form stores it.
    void obleaZ(const PlanDeclaracion& d, const QString& numero)
    {
        if (!azar_.probabilidad(0.8)) return;
        const QChar z(u'Z');
        guia_.ejecutar(numero, base_grande::kAgente, z + ceros(oblea(z, d), 7), 26, 1.0, qint64(0),
                       qint64(0), "", "", d.id);
    }

    // The next stamp of a letter; a new remittance arrived the month its first stamp was used.
    qint64 oblea(QChar letra, const PlanDeclaracion& d)
    {
        const qint64 n = ++obleas_[letra];
        if ((n - 1) % kObleasPorRemesa == 0) entregas_[letra].push_back(QDate(d.anio, d.mes, 1));
        return n;
    }

    ConexionSqlite& db_;
    Aleatorio azar_;
    const std::vector<SujetoGenerado>& sujetos_;
    Tarifas tarifas_;
    std::map<std::pair<int, int>, Importe> tipos_;
    Sentencia cabecera_;
    Sentencia retencion_;
    Sentencia otras_;
    Sentencia guia_;
    qint64 paso_ = 1;
    qint64 comprobante_ = 0;
    qint64 guia_numero_ = 1234567;
    std::map<QChar, qint64> obleas_;
    std::map<QChar, std::vector<QDate>> entregas_;
};

} // namespace

void generarDeclaraciones(ConexionSqlite& db, Aleatorio azar, const ParametrosBaseGrande& parametros,
                          const std::vector<SujetoGenerado>& sujetos)
{
    std::vector<PlanDeclaracion> plan = planDeclaraciones(parametros, azar.derivado("plan"));
    GeneradorRecibos generador(db, azar.derivado("recibos"), sujetos);
    for (std::size_t i = 0; i < plan.size();) {
        std::size_t fin = i;
        while (fin < plan.size() && plan[fin].anio == plan[i].anio && plan[fin].mes == plan[i].mes)
            ++fin;
        std::vector<PlanDeclaracion> mes(plan.begin() + qsizetype(i), plan.begin() + qsizetype(fin));
        for (PlanDeclaracion& d : mes) generador.cabecera(d);
        generador.mes(mes);
        i = fin;
    }
    generador.remesas();

    Sentencia contador(db, "UPDATE Sucursales SET Nro_Comprobante = ? "
                           "WHERE Nro_Agente = ? AND Sucursal = ?");
    contador.ejecutar(ceros(kComprobantesAnteriores + generador.ultimoComprobante(), 8),
                      base_grande::kAgente, base_grande::kSucursal);
}
