#include "forms/formulario_registro.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/transaccion.h"
#include "forms/ayuda.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QVBoxLayout>

FormularioRegistro::FormularioRegistro(Contexto& contexto, Opciones opciones, QWidget* parent)
    : QDialog(parent), contexto_(contexto), opciones_(std::move(opciones)),
      protegido_(contexto.dialogs, Protector::Aviso::Simple)
{
    setObjectName(opciones_.nombre);
    setWindowTitle(opciones_.titulo);
    crearPantalla();
    habilitarEdicion(Modo::Navegando);
    if (opciones_.ayuda) instalarAyudaF1(*this, contexto_, [this] { return objectName(); });
}

void FormularioRegistro::crearPantalla()
{
    auto* principal = new QHBoxLayout(this);
    auto* izquierda = new QVBoxLayout;
    izquierda_ = izquierda;
    principal->addLayout(izquierda, 1);

    if (opciones_.conOrden) {
        lblOrden_ = new QLabel(opciones_.femenino ? QStringLiteral("  Ordenadas por:")
                                                  : QStringLiteral("  Ordenados por:"),
                               this);
        lblOrden_->setObjectName(QStringLiteral("lblOrden"));
        QFont negrita = lblOrden_->font();
        negrita.setBold(true);
        lblOrden_->setFont(negrita);
        izquierda->addWidget(lblOrden_);
    }

    grilla_ = new GrillaRegistros(base(), opciones_.nombreGrilla, this);
    grilla_->modelo().setFuente(opciones_.tabla);
    grilla_->setToolTip(opciones_.ayudaGrilla);
    izquierda->addWidget(grilla_, 1);
    connect(grilla_, &GrillaRegistros::filaCambiada, this, &FormularioRegistro::grillaRowColChange);
    connect(grilla_, &QAbstractItemView::doubleClicked, this,
            &FormularioRegistro::grillaDblClick);
    connect(grilla_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FormularioRegistro::grillaHeadClick);

    marco_ = new QGroupBox(this);
    marco_->setObjectName(opciones_.nombreMarco);
    rejilla_ = new QGridLayout(marco_);
    rejilla_->setHorizontalSpacing(8);
    izquierda->addWidget(marco_);

    auto* botones = new QVBoxLayout;
    principal->addLayout(botones);
    cmdAgregar_ = boton(QStringLiteral("cmdAgregar"), QStringLiteral("&Agregar"), botones);
    columnaAltas_ = new QVBoxLayout;
    botones->addLayout(columnaAltas_);
    if (opciones_.modificar)
        cmdModificar_ = boton(QStringLiteral("CmdModificar"), opciones_.textoModificar, botones);
    if (opciones_.borrar)
        cmdBorrar_ = boton(QStringLiteral("cmdBorrar"), QStringLiteral("&Borrar"), botones);
    botones->addSpacing(12);
    cmdGrabar_ = boton(QStringLiteral("cmdGrabar"), QStringLiteral("&Grabar"), botones);
    cmdCancelar_ = boton(QStringLiteral("cmdCancelar"), QStringLiteral("&Cancelar"), botones);
    botones->addSpacing(12);
    if (opciones_.activar)
        cmdActivar_ = boton(QStringLiteral("cmdActivar"), QStringLiteral("Ac&tivar"), botones);
    if (opciones_.seleccionar) {
        cmdSeleccionar_ =
            boton(QStringLiteral("cmdSeleccionar"), QStringLiteral("S&eleccionar"), botones);
        cmdSeleccionar_->hide();
    }
    botones->addStretch(1);
    cmdSalir_ = boton(QStringLiteral("cmdSalir"), QStringLiteral("&Salir"), botones);

    connect(cmdAgregar_, &QPushButton::clicked, this, &FormularioRegistro::cmdAgregarClick);
    if (cmdModificar_)
        connect(cmdModificar_, &QPushButton::clicked, this, &FormularioRegistro::cmdModificarClick);
    if (cmdBorrar_)
        connect(cmdBorrar_, &QPushButton::clicked, this, &FormularioRegistro::cmdBorrarClick);
    connect(cmdGrabar_, &QPushButton::clicked, this, &FormularioRegistro::cmdGrabarClick);
    connect(cmdCancelar_, &QPushButton::clicked, this, &FormularioRegistro::cmdCancelarClick);
    if (cmdActivar_)
        connect(cmdActivar_, &QPushButton::clicked, this, &FormularioRegistro::cmdActivarClick);
    if (cmdSeleccionar_)
        connect(cmdSeleccionar_, &QPushButton::clicked, this,
                &FormularioRegistro::cmdSeleccionarClick);
    connect(cmdSalir_, &QPushButton::clicked, this, &FormularioRegistro::cmdSalirClick);
}

QPushButton* FormularioRegistro::boton(const QString& nombre, const QString& texto,
                                       QVBoxLayout* columna)
{
    auto* b = crearBoton(this, nombre, texto, 104);
    columna->addWidget(b);
    return b;
}

BaseDatos& FormularioRegistro::base() const { return contexto_.base; }
Entorno& FormularioRegistro::entorno() const { return contexto_.entorno; }
Dialogs& FormularioRegistro::dialogs() const { return contexto_.dialogs; }

void FormularioRegistro::setFiltro(const QString& filtro, const QVariantList& valores)
{
    grilla_->modelo().setFuente(opciones_.tabla, filtro, valores);
}

void FormularioRegistro::setColumnas(std::vector<ColumnaGrilla> columnas, const QString& ordenFijo)
{
    ordenFijo_ = ordenFijo;
    grilla_->modelo().setColumnas(std::move(columnas));
}

QLabel* FormularioRegistro::etiqueta(const QString& texto, QWidget* control) const
{
    auto* l = new QLabel(texto, marco_);
    l->setBuddy(control);
    if (auto* caja = qobject_cast<CajaTexto*>(control)) {
        QString nombre = texto;
        nombre.remove(QLatin1Char('&'));
        caja->setNombreVisible(nombre.trimmed().remove(QRegularExpression(QStringLiteral("[:.]+$"))));
    }
    return l;
}

CajaTexto* FormularioRegistro::caja(const QString& nombre, CajaTexto::Tipo tipo, int largo)
{
    auto* c = new CajaTexto(nombre, tipo, largo, marco_);
    if (tipo == CajaTexto::Tipo::Importe) c->setSeparadorDecimal(entorno().separadorDecimal());
    connect(c, &CajaTexto::caracterNoAdmitido, this, [this, c](const QString& caracter) {
        dialogs().aviso(textoCaracterNoAdmitido(c->nombreVisible(), caracter), textos::Atencion,
                        Icono::Exclamacion);
        c->setFocus();
    });
    return c;
}

CajaMascara* FormularioRegistro::mascara(const QString& nombre, const QString& mascara)
{
    return new CajaMascara(nombre, mascara, marco_);
}

void FormularioRegistro::enlazar(const QString& campo, CajaTexto* caja)
{
    enlazar(
        campo, [caja] { return QVariant(caja->valor()); },
        [caja](const QVariant& v) {
            if (v.isNull()) caja->vaciar();
            else caja->setText(v.toString());
        });
}

void FormularioRegistro::enlazar(const QString& campo, CajaMascara* caja)
{
    enlazar(
        campo, [caja] { return QVariant(caja->valor()); },
        [caja](const QVariant& v) { caja->setValor(v.isNull() ? QString() : v.toString()); });
}

void FormularioRegistro::enlazar(const QString& campo, std::function<QVariant()> leer,
                                 std::function<void(const QVariant&)> mostrar)
{
    enlazados_.push_back({campo, std::move(leer), std::move(mostrar)});
}

void FormularioRegistro::setFocos(QWidget* alAgregar, QWidget* alModificar)
{
    focoAgregar_ = alAgregar;
    focoModificar_ = alModificar;
}

void FormularioRegistro::setVerificaciones(std::vector<Verificacion> verificaciones)
{
    verificaciones_ = std::move(verificaciones);
}

void FormularioRegistro::setGuardas(std::vector<Guarda> guardas)
{
    guardas_ = std::move(guardas);
}

void FormularioRegistro::setClaveRepetida(const QString& primeraLinea, QWidget* foco)
{
    claveRepetida_ = primeraLinea;
    focoClave_ = foco;
}

void FormularioRegistro::agregarBajoLaGrilla(QLayout* fila)
{
    izquierda_->insertLayout(izquierda_->indexOf(marco_), fila);
}

void FormularioRegistro::agregarBotonAlta(QPushButton* boton)
{
    boton->setParent(this);
    boton->setAutoDefault(false);
    columnaAltas_->addWidget(boton);
    altas_.push_back(boton);
    boton->setEnabled(cmdAgregar_->isEnabled());
}

void FormularioRegistro::agregarAlPie(QWidget* control)
{
    control->setParent(this);
    izquierda_->addWidget(control);
}

void FormularioRegistro::mostrarSeleccionar()
{
    if (cmdSeleccionar_) cmdSeleccionar_->setVisible(true);
}

void FormularioRegistro::iniciar()
{
    const auto& columnas = grilla_->modelo().columnas();
    if (!columnas.empty() && columnas.front().ordenable()) {
        grillaHeadClick(0);
        return;
    }
    if (protegido_([this] { grilla_->consultar(ordenFijo_); })) trasConsultar();
}

void FormularioRegistro::habilitarEdicion(Modo modo)
{
    modo_ = modo;
    const bool editando = modo != Modo::Navegando;
    const bool registro = !editando && grilla_->hayFilas();

    grilla_->setEnabled(!editando);
    marco_->setEnabled(editando);
    cmdAgregar_->setEnabled(!editando);
    for (QPushButton* b : altas_) b->setEnabled(!editando);
    cmdSalir_->setEnabled(!editando);
    cmdGrabar_->setEnabled(editando);
    cmdCancelar_->setEnabled(editando);
    for (QPushButton* b : {cmdBorrar_, cmdModificar_, cmdActivar_, cmdSeleccionar_})
        if (b) b->setEnabled(registro);

    switch (modo) {
    case Modo::Navegando: marco_->setTitle(QString()); break;
    case Modo::Agregando: marco_->setTitle(QStringLiteral(" Agregar ")); break;
    case Modo::Modificando: marco_->setTitle(QStringLiteral(" Modificar ")); break;
    }
    for (QWidget* clave : claves_) clave->setEnabled(modo != Modo::Modificando);
    ajustarAlModo(modo);
}

void FormularioRegistro::grillaHeadClick(int columna)
{
    const auto& columnas = grilla_->modelo().columnas();
    if (columna < 0 || columna >= int(columnas.size()) || modo_ != Modo::Navegando) return;
    const ColumnaGrilla& c = columnas[std::size_t(columna)];
    if (!c.ordenable()) {
        if (opciones_.releerSinOrden) {
            if (protegido_([this] { grilla_->refrescar(); })) trasConsultar();
            return;
        }
        dialogs().aviso(textos::SinOrdenamiento, textos::AtencionPuntos, Icono::Informacion);
        return;
    }
    if (!protegido_([&] { grilla_->consultar(c.ordenSql()); })) return;
    if (lblOrden_) lblOrden_->setText(c.textoOrden);
    trasConsultar();
}

void FormularioRegistro::trasConsultar()
{
    grilla_->irAUltima();
    habilitarEdicion(modo_);
    protegido_([this] { mostrarFilaActual(); });
}

void FormularioRegistro::mostrarFilaActual()
{
    const auto fila = grilla_->registroActual();
    if (!fila) {
        for (const CampoEnlazado& c : enlazados_) c.mostrar(QVariant());
        return;
    }
    for (const CampoEnlazado& c : enlazados_) c.mostrar(fila->value(c.campo));
    mostrarRegistro(*fila);
}

void FormularioRegistro::grillaRowColChange()
{
    if (modo_ != Modo::Navegando) return;
    protegido_([this] { mostrarFilaActual(); });
}

void FormularioRegistro::grillaDblClick()
{
    if (modo_ != Modo::Navegando || !grilla_->hayFilas()) return;
    if (cmdActivar_) {
        if (protegido_([this] { activar(); })) cmdSalirClick();
    } else if (cmdSeleccionar_ && !cmdSeleccionar_->isHidden()) {
        cmdSeleccionarClick();
    }
}

void FormularioRegistro::cmdAgregarClick()
{
    if (modo_ != Modo::Navegando) return;
    for (const CampoEnlazado& c : enlazados_) c.mostrar(QVariant());
    habilitarEdicion(Modo::Agregando);
    valoresIniciales();
    enfocar(focoAgregar_);
}

void FormularioRegistro::cmdModificarClick()
{
    if (modo_ != Modo::Navegando || !grilla_->hayFilas()) return;
    const auto id = grilla_->idActual();
    if (!id) return;
    idEditado_ = *id;
    habilitarEdicion(Modo::Modificando);
    enfocar(focoModificar_);
}

bool FormularioRegistro::falla(QWidget* foco, const QString& mensaje, const QString& titulo)
{
    dialogs().aviso(mensaje, titulo, Icono::Exclamacion);
    enfocar(foco);
    return false;
}

void FormularioRegistro::enfocar(QWidget* control)
{
    if (control && control->isEnabled()) control->setFocus(Qt::OtherFocusReason);
}

void FormularioRegistro::cmdGrabarClick()
{
    if (modo_ == Modo::Navegando) return;
    const bool agregando = modo_ == Modo::Agregando;
    qint64 id = 0;
    QSqlRecord grabado;  // the row as stored, for the hooks
    try {
        for (const Verificacion& v : verificaciones_) {
            if (v.cumple()) continue;
            if (!v.mensaje.isEmpty()) dialogs().aviso(v.mensaje, v.titulo, Icono::Exclamacion);
            enfocar(v.foco);
            return;
        }
        // A check may have ended the editing as Cancelar does.
        if (modo_ == Modo::Navegando) return;

        QVariantMap valores;
        for (const CampoEnlazado& c : enlazados_) valores.insert(c.campo, c.leer());
        completarValores(valores);
        Transaccion transaccion(base());
        id = guardar(valores);
        grabado = grilla_->modelo().registro(id).value_or(QSqlRecord());
        despuesDeGrabarRegistro(grabado, agregando);
        transaccion.confirmar();
    } catch (const ErrorMotor& error) {
        // Nothing was written; the row stays pending so that it can be corrected or cancelled.
        if (error.esClaveRepetida()) {
            dialogs().aviso(claveRepetida_ + QLatin1Char('\n') + textos::CorrijaloOCancele,
                            textos::ClaveRepetida, Icono::Exclamacion);
            enfocar(focoClave_);
        } else {
            protegido_.avisar(error);
        }
        return;
    }

    // The row has landed: the grid shows it current, wherever the order puts it.
    protegido_([&] {
        grilla_->refrescar();
        if (!grilla_->irAId(id)) grilla_->irAUltima();
    });
    habilitarEdicion(Modo::Navegando);
    protegido_([&] {
        mostrarFilaActual();
        registroGrabado(grabado, agregando);
    });
}

qint64 FormularioRegistro::guardar(const QVariantMap& valores)
{
    QStringList campos;
    QVariantList datos;
    for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
        campos << it.key();
        datos << it.value();
    }
    if (modo_ == Modo::Agregando) {
        QStringList marcas;
        for (qsizetype i = 0; i < campos.size(); ++i) marcas << QStringLiteral("?");
        base().ejecutar(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(opciones_.tabla, campos.join(QStringLiteral(", ")),
                                 marcas.join(QStringLiteral(", "))),
                        datos);
        return base().ultimoId();
    }
    QStringList asignaciones;
    for (const QString& c : campos) asignaciones << c + QStringLiteral(" = ?");
    datos << idEditado_;
    base().ejecutar(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                        .arg(opciones_.tabla, asignaciones.join(QStringLiteral(", "))),
                    datos);
    return idEditado_;
}

void FormularioRegistro::cmdCancelarClick()
{
    if (modo_ == Modo::Navegando) return;
    habilitarEdicion(Modo::Navegando);
    protegido_([this] { mostrarFilaActual(); });
}

void FormularioRegistro::borrarSoloLaFila(qint64 id)
{
    base().ejecutar(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(opciones_.tabla), {id});
}

void FormularioRegistro::cmdBorrarClick()
{
    if (!cmdBorrar_ || modo_ != Modo::Navegando || !grilla_->hayFilas()) return;
    protegido_([this] {
        const auto id = grilla_->idActual();
        const auto fila = grilla_->registroActual();
        if (!id || !fila) return;
        for (const Guarda& g : guardas_) {
            if (!g.impide()) continue;
            dialogs().aviso(g.motivo, g.titulo, g.icono);
            return;
        }
        if (!dialogs().preguntaSiNo(preguntaBorrarRegistro(*fila), textos::Atencion)) return;

        const int posicion = grilla_->filaActual();
        {
            Transaccion transaccion(base());
            borrarRegistro(*id, *fila);
            transaccion.confirmar();
        }
        registroBorrado(*fila);

        // The next row becomes current, or the last one when the deleted row was the last. With
        // none left the fields show their empty values; nothing is written back.
        grilla_->refrescar();
        grilla_->irAFila(posicion);
        habilitarEdicion(Modo::Navegando);
        mostrarFilaActual();
        if (!grilla_->hayFilas()) sinFilas();
    });
}

QString FormularioRegistro::codigoDelRegistro(const QSqlRecord& registro) const
{
    const auto& columnas = grilla_->modelo().columnas();
    return columnas.empty() ? QString() : registro.value(columnas.front().campo).toString();
}

void FormularioRegistro::cmdActivarClick()
{
    if (grilla_->hayFilas()) protegido_([this] { activar(); });
}

void FormularioRegistro::cmdSeleccionarClick()
{
    if (modo_ != Modo::Navegando || !grilla_->hayFilas()) return;
    bool elegido = false;
    const bool leida = protegido_([&] {
        const auto fila = grilla_->registroActual();
        if (!fila) return;
        seleccion_ = codigoDelRegistro(*fila);
        elegido = true;
    });
    if (leida && elegido) accept();
}

void FormularioRegistro::cmdSalirClick()
{
    reject();
}

void FormularioRegistro::reject()
{
    if (modo_ != Modo::Navegando) return;
    QDialog::reject();
}

