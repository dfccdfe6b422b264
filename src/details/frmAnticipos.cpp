#include "details/frmAnticipos.h"

#include "common/contexto.h"
#include "common/digitos_verificadores.h"
#include "common/obleas.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "details/campos_detalle.h"
#include "details/total_general.h"
#include "details/usos_oblea.h"
#include "entry/numeros_pantalla.h"
#include "forms/eventos_foco.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kCentro = Qt::AlignHCenter;
constexpr Qt::Alignment kDerecha = Qt::AlignRight;

QString pesos(Importe valor)
{
    return valor.formato(u"$ #,##0.00", QLocale());
}

QString agenteConGuion(const QString& agente)
{
    return agente.left(5) + u'-' + agente.mid(5);
}

// The first three columns order the rows (by agent, by agent, by advance number).
std::vector<ColumnaGrilla> columnas(bool conOblea)
{
    const QString porAgente = u"  Ordenados por: Nº de Agente"_s;
    //        field               caption             alignment width resizable order label
    std::vector<ColumnaGrilla> c = {
        {u"Nro_Agente"_s,      u"Agente Nº"_s,      kCentro,   9, false, porAgente},
        {u"Nro_Comprobante"_s, u"Comprobante"_s,    kCentro,  10, false, porAgente, u"Nro_Agente"_s},
        {u"Nro_Anticipo"_s,    u"Nº Anticipo"_s,    kCentro,  10, false, u"  Ordenados por: Nº Anticipo"_s},
        {u"NroGuia"_s,         u"Oblea"_s,          kCentro,   9, false},
        {u"Nro_porte"_s,       u"Carta de Porte"_s, kCentro,  14, false},
        {u"Total"_s,           u"Monto Anticipo"_s, kDerecha, 14, false},
    };
    c[0].formato = [](const QVariant& v) { return agenteConGuion(v.toString()); };
    c[5].formato = [](const QVariant& v) { return pesos(Importe::desdeColumna(v)); };
    c[3].oculta = c[4].oculta = !conOblea;
    return c;
}

QLabel* rotulo(const QString& nombre, const QString& texto, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

} // namespace

frmAnticipos::frmAnticipos(Contexto& contexto, ComprobanteDetalle comprobante, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmAnticipos"_s,
                          .titulo = u"Carga de Anticipos"_s,
                          .tabla = u"Guias"_s,
                          .nombreGrilla = u"dbgGuias"_s,
                          .nombreMarco = u"fraGuia"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .ayuda = false},
                         parent),
      comprobante_(std::move(comprobante)),
      conOblea_(reglasRegimen(contexto.entorno.regimen()).detalle
                == ModoDetalle::AnticiposConOblea),
      mskNroAgente(mascara(u"mskNroAgente"_s, u"00000-0"_s)),
      txtNroAnticipo(caja(u"TxtNro_Anticipo"_s, CajaTexto::Tipo::Codigo, 8)),
      mskMonto(caja(u"mskMonto"_s, CajaTexto::Tipo::Importe, 16)),
      txtEstampilla(caja(u"TxtEstampilla"_s, CajaTexto::Tipo::Mayusculas, 8)),
      txtPorte1(caja(u"TxtPorte1"_s, CajaTexto::Tipo::Codigo, 4)),
      txtPorte2(caja(u"TxtPorte2"_s, CajaTexto::Tipo::Codigo, 8))
{
    disponerCampos();
    ponerTotalGeneral();
    setFiltro(comprobante_.filtro(), comprobante_.valores());
    setColumnas(columnas(conOblea_));
    enlazarCampos();
    setFocos(mskNroAgente, mskNroAgente);
    setClaveRepetida(u"Ya existe un registro - clave repetida"_s, mskNroAgente);
    setPreguntaBorrar(u"¿Confirma la eliminación del anticipo seleccionado?"_s);
    ponerVerificaciones();
    conectarCampos();

    resize(820, 520);
    iniciar();
    protegido()([this] { actualizaTotalGeneral(); });
}

void frmAnticipos::disponerCampos()
{
    mskNroAgente->setToolTip(u"Nº de Inscripción como Agente en Ingresos Brutos."_s);
    QWidget* m = marco();
    lblNroGuiaPorte = rotulo(u"Lbl_Nroguia_porte"_s, u"Nº Comprobante Antricipo:"_s, m);
    lblImporteBruto = rotulo(u"lblImporteBruto"_s, u"Monto Anticipo:"_s, m);
    QLabel* lblEstampilla = rotulo(u"Lbl_estampilla"_s, u"Nº Oblea:"_s, m);
    QLabel* letraYNumero = rotulo(u"Lbl_letra"_s, u"(Letra y Número)"_s, m);
    QLabel* lblPorte = rotulo(u"Lbl_porte"_s, u"Nº Remito,Carta Porte, etc:"_s, m);
    QLabel* guion = rotulo(u"Lbl_guion"_s, u"-"_s, m);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Agente Nº:"_s, mskNroAgente), 0, 0);
    r->addWidget(mskNroAgente, 0, 1);
    r->addWidget(lblNroGuiaPorte, 1, 0);
    r->addWidget(txtNroAnticipo, 1, 1);
    r->addWidget(lblImporteBruto, 1, 2, Qt::AlignRight);
    r->addWidget(mskMonto, 1, 3);
    r->addWidget(lblEstampilla, 2, 0);
    r->addWidget(txtEstampilla, 2, 1);
    r->addWidget(letraYNumero, 2, 2);
    r->addWidget(lblPorte, 3, 0);
    auto* porte = new QHBoxLayout;
    porte->addWidget(txtPorte1);
    porte->addWidget(guion);
    porte->addWidget(txtPorte2);
    porte->addStretch(1);
    r->addLayout(porte, 3, 1, 1, 3);
    r->setColumnStretch(4, 1);
    for (const auto& [caja, cifras] :
         {std::pair<QWidget*, int>{txtPorte1, 5}, {txtPorte2, 9}, {txtEstampilla, 9}})
        caja->setFixedWidth(caja->fontMetrics().horizontalAdvance(QString(cifras, u'0')) + 16);
    for (QWidget* w : std::initializer_list<QWidget*>{lblEstampilla, letraYNumero, txtEstampilla,
                                                      lblPorte, txtPorte1, guion, txtPorte2})
        w->setVisible(conOblea_);
}

void frmAnticipos::ponerTotalGeneral()
{
    auto* pie = new QWidget;
    lblTotalGeneral = crearTotalGeneral(pie);
    agregarAlPie(pie);
}

void frmAnticipos::conectarCampos()
{
    connect(mskNroAgente, &QLineEdit::textChanged, this, [this] { reglaAgentePropio(false); });
    alSalir(mskNroAgente, [this] { reglaAgentePropio(true); });
    // The amount shows as "$ 1234,50" and is edited as a number.
    alEntrar(mskMonto, [this] {
        if (!mskMonto->text().trimmed().startsWith(u'$')) return;
        if (const auto v = leerNumero(mskMonto->text(), QLocale()))
            mskMonto->setText(textoNumero(*v, QLocale()));
    });
    alSalir(mskMonto, [this] {
        if (const auto v = leerNumero(mskMonto->text(), QLocale()))
            mskMonto->setText(v->formato(u"$ ########0.00", QLocale()));
    });
    alSalir(txtEstampilla, [this] {
        txtEstampilla->setText(normalizarObleaAnticipo(txtEstampilla->text().trimmed()));
    });
    alSalir(txtPorte1, [this] { txtPorte1->setText(normalizarPorte(txtPorte1->text(), 4)); });
    alSalir(txtPorte2, [this] { txtPorte2->setText(normalizarPorte(txtPorte2->text(), 8)); });
}

void frmAnticipos::enlazarCampos()
{
    enlazar(u"Nro_Agente"_s, mskNroAgente);
    enlazar(
        u"Nro_Anticipo"_s, [this] { return QVariant(txtNroAnticipo->text().trimmed()); },
        [this](const QVariant& v) { txtNroAnticipo->setText(v.toString()); });
    enlazar(
        u"Total"_s, [this] { return monto().aColumna(); },
        [this](const QVariant& v) {
            mskMonto->setText(v.isNull() ? QString() : pesos(Importe::desdeColumna(v)));
        });
    // The stamp and waybill of a stamped advance; the others carry "0" in both.
    enlazar(
        u"NroGuia"_s,
        [this] { return QVariant(conOblea_ ? txtEstampilla->text().trimmed() : u"0"_s); },
        [this](const QVariant& v) {
            txtEstampilla->setText(conOblea_ ? v.toString() : QString());
        });
    // The waybill boxes show the row's own number, so a save never writes another row's.
    enlazar(
        u"Nro_porte"_s, [this] { return QVariant(conOblea_ ? porte() : u"0"_s); },
        [this](const QVariant& v) {
            const auto [primera, segunda] = separarPorte(conOblea_ ? v.toString() : QString());
            txtPorte1->setText(primera);
            txtPorte2->setText(segunda);
        });
}

void frmAnticipos::ponerVerificaciones()
{
    const auto agenteVacio = [this] { return mskNroAgente->valor().isEmpty(); };
    std::vector<Verificacion> v = {
        {[agenteVacio] { return !agenteVacio(); }, u"Debe ingresar el Nº Agente"_s, mskNroAgente},
        {[this] { return mskNroAgente->valor().toLongLong() != 0; }, u"Debe ingresar el Nº Agente"_s,
         mskNroAgente},
        {[this] { return validaInscripcion(dialogs(), u"0"_s + mskNroAgente->valor()); },
         u"El dígito verificador del número de Inscripción es incorrecto."_s, mskNroAgente,
         u"Error"_s},
        {[this] { return !mskMonto->text().isEmpty(); }, u"Debe ingresar el Monto del Anticipo "_s,
         mskMonto},
        {[this] { return esAgenteActivo() || !monto().esCero(); },
         u"Debe ingresar el Monto del Anticipo "_s, mskMonto},
        {[this] { return !txtNroAnticipo->text().trimmed().isEmpty(); },
         u"Debe ingresar el Nº del Comprobante del Anticipo"_s, txtNroAnticipo},
    };
    if (conOblea_) {
        const auto oblea = [this] { return txtEstampilla->text().trimmed(); };
        v.push_back({[oblea] { return !oblea().isEmpty(); }, u"Debe ingresar el Nº de Oblea "_s,
                     txtEstampilla});
        v.push_back({[this] { return txtPorte2->text().toLongLong() != 0; },
                     u"Debe ingresar el Nº de carta de porte"_s, txtPorte1});
        v.push_back({[oblea] {
                         const QString o = oblea();
                         if (o.size() < 2 || o.front().isDigit()) return false;
                         bool numero = false;
                         o.mid(1).toLongLong(&numero);
                         return numero;
                     },
                     u"Debe ingresar el Nº de Oblea correctamente"_s, txtEstampilla});
        v.push_back({[this] { return obleaSinUsar(); }, {}, nullptr});
        v.push_back({[this] { return obleaPropiaEnRemesa(); }, {}, txtEstampilla});
    }
    setVerificaciones(std::move(v));
}

bool frmAnticipos::esAgenteActivo() const
{
    return entorno().agenteActual() && mskNroAgente->valor() == entorno().agente();
}

void frmAnticipos::reglaAgentePropio(bool alSalir)
{
    const bool propio = esAgenteActivo();
    for (QWidget* w : std::initializer_list<QWidget*>{lblNroGuiaPorte, txtNroAnticipo,
                                                      lblImporteBruto, mskMonto})
        w->setVisible(!propio);
    if (alSalir && propio) {
        txtNroAnticipo->setText(u"0"_s);
        mskMonto->setText(u"0"_s);
    }
}

Importe frmAnticipos::monto() const
{
    return leerNumero(mskMonto->text(), QLocale()).value_or(Importe());
}

QString frmAnticipos::porte() const
{
    return unirPorte(txtPorte1->text(), txtPorte2->text());
}

bool frmAnticipos::obleaSinUsar()
{
    const QString oblea = txtEstampilla->text().trimmed();
    const QChar letra = oblea.front();
    // Every stamp of an advance names its type by its letter, whatever rows exist.
    const bool conLetra = letra >= u'A' && letra <= u'D';
    const auto sinLetra = [this] {
        dialogs().aviso(u"La oblea ingresada no posee la letra que identifica al tipo"_s);
        return false;
    };
    std::optional<qint64> editada;
    if (modo() == Modo::Modificando) editada = grilla().idActual();
    for (const UsoOblea& uso :
         usosDeObleaEnDeclaracion(base(), comprobante_.idCabecera, oblea, editada)) {
        if (uso.pendiente && uso.nroPorte != porte()) {
            dialogs().aviso(u"Este Nº de Oblea ya fué usado en esta retención"_s);
            enfocar(txtEstampilla);
            return false;
        }
        if (!conLetra) return sinLetra();
        if (uso.enRetencionValida) {
            dialogs().aviso(u"Este Nº de oblea ya fué usado en una retención"_s);
            enfocar(txtEstampilla);
            return false;
        }
        if (uso.pendiente) {
            dialogs().aviso(u"Está cargando la misma oblea otra vez para esta retencion"_s,
                            kTituloAplicacion, Icono::Critico);
            enfocar(txtEstampilla);
            return false;
        }
    }
    return conLetra || sinLetra();
}

bool frmAnticipos::obleaPropiaEnRemesa()
{
    if (!esAgenteActivo()) return true;
    // The entry form hears of the agent's own advance even if its stamp is refused below.
    mismoAgente_ = true;
    if (validaOblea(entorno(), txtEstampilla->text().trimmed())) return true;
    dialogs().aviso(u"La oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"_s,
                    kTituloAplicacion, Icono::Critico);
    return false;
}

void frmAnticipos::valoresIniciales()
{
    txtPorte1->setText(u"0000"_s);
    txtPorte2->setText(u"00000000"_s);
    for (QWidget* w : std::initializer_list<QWidget*>{lblNroGuiaPorte, txtNroAnticipo,
                                                      lblImporteBruto, mskMonto})
        w->setVisible(true);
    txtNroAnticipo->setText(u"0"_s);
    mskMonto->setText(u"0"_s);
    mskNroAgente->setValor(QStringLiteral("%1").arg(ultimoAgente_, 6, 10, QLatin1Char('0')));
    reglaAgentePropio(true);
}

void frmAnticipos::completarValores(QVariantMap& valores)
{
    ultimoAgente_ = mskNroAgente->valor().toLongLong();
    if (modo() == Modo::Agregando) valores.insert(u"Nro_Comprobante"_s, comprobante_.nroComprobante);
    for (const char* campo : {"Cantidad", "Tipo", "Valor_Unitario"})
        valores.insert(QString::fromLatin1(campo), 0);
    valores.insert(u"IdCabecera"_s, comprobante_.idCabecera);
}

void frmAnticipos::grabado(const Guia&, bool)
{
    actualizaTotalGeneral();
}

void frmAnticipos::borrado(const Guia&)
{
    actualizaTotalGeneral();
}

void frmAnticipos::actualizaTotalGeneral()
{
    total_ = sumaDetalle(base(), comprobante_);
    lblTotalGeneral->setText(pesos(total_));
}
