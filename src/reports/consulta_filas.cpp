#include "reports/consulta_filas.h"

#include "database/base_datos.h"
#include "reports/lectura_adelantada.h"

ConsultaFilas::ConsultaFilas(BaseDatos& base, QString sql, QVariantList valores, Fila fila,
                             Cola cola)
    : base_(base),
      sql_(std::move(sql)),
      valores_(std::move(valores)),
      fila_(std::move(fila)),
      cola_(std::move(cola))
{
}

ConsultaFilas::~ConsultaFilas() = default;

void ConsultaFilas::setSalto(QString clave, QString desde)
{
    sqlClave_ = std::move(clave);
    sqlDesde_ = std::move(desde);
}

void ConsultaFilas::irA(qint64 fila)
{
    consulta_.reset();
    lectura_.reset();
    empezada_ = true;
    enCola_ = false;
    filasCola_.clear();
    siguienteCola_ = 0;
    desde_ = fila;
    leidas_ = 0;
    QString sql = sql_;
    QVariantList valores = valores_;
    if (fila > 0 && !sqlClave_.isEmpty()) {
        QVariantList valoresClave = valores_;
        valoresClave << fila;
        const std::optional<QSqlRecord> clave =
            base_.fila(sqlClave_ + QStringLiteral(" LIMIT 1 OFFSET ?"), valoresClave);
        if (!clave) return;  // past the query's last row: no query to open
        sql = sqlDesde_;
        for (int i = 0; i < clave->count(); ++i) valores << clave->value(i);
    } else if (fila > 0) {
        sql += QStringLiteral(" LIMIT -1 OFFSET ?");
        valores << fila;
    }
    if (base_.transaccionAbierta())
        consulta_ = base_.consulta(sql, valores);
    else
        lectura_ = std::make_unique<LecturaAdelantada>(base_.ruta(), base_.esperaOcupada(), sql,
                                                        valores, fila_);
}

std::optional<FilaTabla> ConsultaFilas::siguiente()
{
    if (!empezada_) irA(0);
    if (!enCola_) {
        std::optional<FilaTabla> fila;
        if (lectura_) fila = lectura_->siguiente();
        else if (consulta_ && base_.siguiente(*consulta_)) fila = fila_(*consulta_);
        if (fila) {
            ++leidas_;
            return fila;
        }
        consulta_.reset();
        lectura_.reset();
        enCola_ = true;
        if (cola_) filasCola_ = cola_();
        // Started past the query's last row: the closing rows are counted on from there.
        if (leidas_ == 0 && desde_ > 0) {
            const QString& filas = sqlClave_.isEmpty() ? sql_ : sqlClave_;
            const qint64 total =
                base_.valor(QStringLiteral("SELECT COUNT(*) FROM (") + filas + QLatin1Char(')'),
                            valores_)
                    .toLongLong();
            siguienteCola_ = desde_ - total;
        }
    }
    if (siguienteCola_ < 0 || siguienteCola_ >= filasCola_.size()) return std::nullopt;
    return filasCola_[siguienteCola_++];
}
