// The widgets of the entry forms' shared frame, in their designed state: browsing, the entry frame
// locked with an empty caption, Corregir hidden.

#include "entry/formulario_retencion.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QString fijo(const QVariant& valor)
{
    // "Fixed": at least one digit, two decimals, no thousands separators.
    return Importe::desdeColumna(valor).formato(u"0.00", QLocale());
}

ColumnaGrilla columna(const char* campo, const char* titulo, Qt::Alignment alineacion, int ancho,
                      const char* orden)
{
    ColumnaGrilla c;
    c.campo = QString::fromLatin1(campo);
    c.titulo = QString::fromUtf8(titulo);
    c.alineacion = alineacion;
    c.ancho = ancho;
    c.textoOrden = QString::fromUtf8(orden);
    return c;
}

std::vector<ColumnaGrilla> columnasRetenciones()
{
    const Qt::Alignment centro = Qt::AlignHCenter;
    const Qt::Alignment derecha = Qt::AlignRight;
    std::vector<ColumnaGrilla> c;
    c.push_back(columna("Nro_Contrib", "Suj. Ret./Perc.", centro, 10,
                        "  Ordenadas por: Nº de Inscripción del Sujeto"));
    c.push_back(columna("Dia", "Día", centro, 4, "  Ordenadas por: Día"));
    c.push_back(columna("Importe_Bruto", "Importe Bruto", derecha, 11, ""));
    c.push_back(columna("Alicuota", "Alíc.", centro, 5, ""));
    c.push_back(columna("Importe_Ret", "Importe Ret/Perc", derecha, 11, ""));
    c.push_back(columna("Nro_Comprobante", "Comprobante", centro, 9,
                        "  Ordenadas por: Nº de Comprobante"));
    c.push_back(columna("Estado", "Est.", centro, 3, "  Ordenadas por: Código de Estado"));
    c.push_back(columna("Nro_X", "Nº Comprobante ext.", derecha, 13,
                        "  Ordenadas por: Nº de Comprobante externo"));
    c.push_back(columna("Cod_Concepto", "Concepto", centro, 7,
                        "  Ordenadas por: Código de Concepto"));
    c.push_back(columna("MarcaImp", "M.I.", centro, 3, "  Ordenadas por: Marca de Importación"));
    c.push_back(columna("IdCabecera", "", centro, 0, ""));
    for (int i : {2, 3, 4}) c[std::size_t(i)].formato = fijo;
    c.back().oculta = true;
    return c;
}

QLabel* etiqueta(const QString& texto, QWidget* padre)
{
    return new QLabel(texto, padre);
}

// Wide enough for `caracteres` digits.
void ancho(QWidget* caja, int caracteres)
{
    caja->setFixedWidth(caja->fontMetrics().horizontalAdvance(QString(caracteres, QLatin1Char('0')))
                        + 16);
}

} // namespace

void FormularioRetencion::crearPantalla()
{
    setObjectName(nombre_);
    const Entorno& e = contexto_.entorno;
    QString mes;
    QString anio;
    if (const auto& cabecera = e.cabeceraActual()) {
        mes = e.nombreMes(cabecera->mes);
        anio = cabecera->anio;
    }
    setWindowTitle(QStringLiteral("Retenciones/Percepciones del mes de ") + mes
                   + QStringLiteral(" de ") + anio);

    auto* columna = new QVBoxLayout(this);
    crearGrilla();
    columna->addWidget(dbgRetenciones, 1);
    columna->addWidget(lblOrden);
    crearMarco();
    columna->addWidget(fraRetencion);
    crearBotones();
    auto* botones = new QHBoxLayout;
    for (QPushButton* b :
         {cmdAgregar, cmdCorregir, cmdAnular, cmdReimprimir, cmdGrabar, cmdCancelar, cmdSalir})
        botones->addWidget(b);
    columna->addLayout(botones);
    resize(840, 580);
}

void FormularioRetencion::crearGrilla()
{
    dbgRetenciones =
        new GrillaRegistros(contexto_.base, QStringLiteral("dbgRetenciones"), this);
    dbgRetenciones->setToolTip(textos::AyudaOrdenar);
    dbgRetenciones->modelo().setFuente(QStringLiteral("Retenciones"),
                                       QStringLiteral("IdCabecera = ?"),
                                       {contexto_.entorno.idCabecera()});
    dbgRetenciones->modelo().setColumnas(columnasRetenciones());
    dbgRetenciones->horizontalHeader()->setSectionsClickable(true);
    connect(dbgRetenciones->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int columna) { protegido_([&] { dbgRetencionesHeadClick(columna); }); });
    connect(dbgRetenciones, &GrillaRegistros::filaCambiada, this,
            [this] { protegido_([&] { dbgRetencionesRowColChange(); }); });

    lblOrden = new QLabel(QStringLiteral("  Ordenadas por:"), this);
    lblOrden->setObjectName(QStringLiteral("lblOrden"));
}

void FormularioRetencion::crearMarco()
{
    fraRetencion = new QGroupBox(this);
    fraRetencion->setObjectName(QStringLiteral("fraRetencion"));
    rejilla = new QGridLayout(fraRetencion);
    crearFilaSujeto();
    crearFilaDia();
    QGridLayout* bloque = crearBloqueConcepto();
    primeraFilaLibre = 3;
    alinearColumnas(bloque);

    lblAlicuota->setText(QStringLiteral("0"));
    vigilarCampos();

    fraRetencion->setEnabled(false);
    cmdContribuyentes->setEnabled(false);
    cmdConceptos->setEnabled(false);
}

void FormularioRetencion::crearFilaSujeto()
{
    mskNroContrib = new CajaMascara(QStringLiteral("mskNroContrib"), QStringLiteral("999-999999-9"),
                                    fraRetencion);
    cmdContribuyentes = crearBotonSelector(fraRetencion, QStringLiteral("cmdContribuyentes"));
    cmdContribuyentes->setToolTip(QStringLiteral(
        "Utilice este botón para invocar a la pantalla de contribuyentes y seleccionar uno."));
    lblRazonSocial = visor(u"lblRazonSocial"_s, fraRetencion, 240);
    rejilla->addWidget(etiqueta(QStringLiteral("Sujeto ret/perc:"), fraRetencion), 0, 0);
    rejilla->addWidget(mskNroContrib, 0, 1);
    rejilla->addWidget(cmdContribuyentes, 0, 2);
    rejilla->addWidget(lblRazonSocial, 0, 3, 1, 4);
}

void FormularioRetencion::crearFilaDia()
{
    mskDia = new CajaTexto(QStringLiteral("mskDia"), CajaTexto::Tipo::Codigo, 2, fraRetencion);
    mskDia->setCeros(2);
    txtNroX = new CajaTexto(QStringLiteral("txtNroX"), CajaTexto::Tipo::Codigo, 13, fraRetencion);
    lblEstado = visor(u"lblEstado"_s, fraRetencion, 80);
    rejilla->addWidget(etiqueta(QStringLiteral("Día:"), fraRetencion), 1, 0);
    rejilla->addWidget(mskDia, 1, 1);
    rejilla->addWidget(etiqueta(QStringLiteral("Nº Comprobante ext.:"), fraRetencion), 1, 3);
    rejilla->addWidget(txtNroX, 1, 4);
    rejilla->addWidget(lblEstado, 1, 5, 1, 2);
}

QGridLayout* FormularioRetencion::crearBloqueConcepto()
{
    bloqueConcepto = new QWidget(fraRetencion);
    auto* bloque = new QGridLayout(bloqueConcepto);
    bloque->setContentsMargins(0, 0, 0, 0);
    mskCodConcepto =
        new CajaTexto(QStringLiteral("mskCodConcepto"), CajaTexto::Tipo::Codigo, 2, bloqueConcepto);
    mskCodConcepto->setCeros(2);
    cmdConceptos = crearBotonSelector(bloqueConcepto, QStringLiteral("cmdConceptos"));
    lblDescConcepto = visor(u"lblDescConcepto"_s, bloqueConcepto, 200);
    bloque->addWidget(etiqueta(QStringLiteral("Concepto:"), bloqueConcepto), 0, 0);
    bloque->addWidget(mskCodConcepto, 0, 1);
    bloque->addWidget(cmdConceptos, 0, 2, Qt::AlignLeft);
    bloque->addWidget(lblDescConcepto, 0, 3, 1, 5);

    mskImpBru = new QLineEdit(bloqueConcepto);
    mskImpBru->setObjectName(QStringLiteral("mskImpBru"));
    mskImpBru->setMaxLength(16);
    mskImpBru->setAlignment(Qt::AlignRight);
    lblAlicuota = visor(u"lblAlicuota"_s, bloqueConcepto, 50);
    lblAlicuota->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblImporteRet = visor(u"lblImporteRet"_s, bloqueConcepto, 100);
    lblImporteRet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bloque->addWidget(etiqueta(QStringLiteral("Importe bruto:"), bloqueConcepto), 1, 0);
    bloque->addWidget(mskImpBru, 1, 1, 1, 2);
    bloque->addWidget(etiqueta(QStringLiteral("Alícuota:"), bloqueConcepto), 1, 3);
    bloque->addWidget(lblAlicuota, 1, 4);
    bloque->addWidget(etiqueta(QStringLiteral("%"), bloqueConcepto), 1, 5);
    bloque->addWidget(etiqueta(QStringLiteral("Importe ret/perc:"), bloqueConcepto), 1, 6);
    bloque->addWidget(lblImporteRet, 1, 7);
    rejilla->addWidget(bloqueConcepto, 2, 0, 1, 7);
    return bloque;
}

void FormularioRetencion::alinearColumnas(QGridLayout* bloque)
{
    ancho(mskNroContrib, 12);
    ancho(mskDia, 3);
    ancho(txtNroX, 14);
    ancho(mskCodConcepto, 3);
    // The concept block is a grid of its own: its columns are set to those of the frame, so the
    // concept's description starts under the subject's name and the gross amount fills the width
    // of the subject's number and its button.
    constexpr int kEspacio = 6;
    rejilla->setHorizontalSpacing(kEspacio);
    bloque->setHorizontalSpacing(kEspacio);
    const int anchoNumero =
        mskNroContrib->minimumWidth() + kEspacio + cmdContribuyentes->minimumWidth();
    mskImpBru->setFixedWidth(anchoNumero);
    bloque->setColumnMinimumWidth(1, mskCodConcepto->minimumWidth());
    bloque->setColumnMinimumWidth(2, anchoNumero - mskCodConcepto->minimumWidth() - kEspacio);
    // The labels of the frame and of the concept block share one width (that of the longest label
    // a form adds), so their fields line up.
    const int anchoEtiquetas =
        fontMetrics().horizontalAdvance(QStringLiteral("Nº Oblea (Letra y Nº):")) + 8;
    rejilla->setColumnMinimumWidth(0, anchoEtiquetas);
    bloque->setColumnMinimumWidth(0, anchoEtiquetas);
    rejilla->setColumnStretch(6, 1);
    bloque->setColumnStretch(7, 1);
}

void FormularioRetencion::vigilarCampos()
{
    vigilar(mskNroContrib, [this] { mskNroContribLostFocus(); });
    vigilar(mskDia, [this] { mskDiaLostFocus(); });
    vigilar(mskCodConcepto, [this] { mskCodConceptoLostFocus(); });
    vigilar(mskImpBru, [this] { mskImpBruLostFocus(); });
    vigilar(txtNroX, [this] { txtNroXLostFocus(); });
    connect(cmdContribuyentes, &QPushButton::clicked, this,
            [this] { protegido_([&] { cmdContribuyentesClick(); }); });
    connect(cmdConceptos, &QPushButton::clicked, this,
            [this] { protegido_([&] { cmdConceptosClick(); }); });
}

void FormularioRetencion::crearBotones()
{
    auto boton = [this](const char* nombre, const char* texto, void (FormularioRetencion::*accion)()) {
        auto* b = crearBoton(this, QString::fromLatin1(nombre), QString::fromUtf8(texto));
        connect(b, &QPushButton::clicked, this, [this, accion] { protegido_([&] { (this->*accion)(); }); });
        return b;
    };
    cmdAgregar = boton("cmdAgregar", "&Nueva", &FormularioRetencion::cmdAgregarClick);
    cmdCorregir = boton("cmdCorregir", "C&orregir", &FormularioRetencion::cmdCorregirClick);
    cmdCorregir->setToolTip(
        QStringLiteral("Permite corregir una Ret./Perc. que ha sido importada con error. "));
    cmdAnular = boton("cmdAnular", "&Anular", &FormularioRetencion::cmdAnularClick);
    cmdReimprimir =
        boton("cmdReimprimir", "&Imprimir Comprob.", &FormularioRetencion::cmdReimprimirClick);
    cmdGrabar = boton("cmdGrabar", "&Grabar", &FormularioRetencion::cmdGrabarClick);
    cmdCancelar = boton("cmdCancelar", "&Cancelar", &FormularioRetencion::cmdCancelarClick);
    cmdSalir = boton("cmdSalir", "&Salir", &FormularioRetencion::cmdSalirClick);

    cmdCorregir->setVisible(false);
    cmdGrabar->setEnabled(false);
    cmdCancelar->setEnabled(false);
    cmdReimprimir->setEnabled(puedeImprimir());
}
