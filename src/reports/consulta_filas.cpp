#include "reports/consulta_filas.h"

#include "database/base_datos.h"

ConsultaFilas::ConsultaFilas(BaseDatos& base, QString sql, QVariantList valores, Fila fila,
                             Cola cola)
    : base_(base),
      sql_(std::move(sql)),
      valores_(std::move(valores)),
      fila_(std::move(fila)),
      cola_(std::move(cola))
{
}

void ConsultaFilas::irA(qint64 fila)
{
    consulta_.reset();
    enCola_ = false;
    filasCola_.clear();
    siguienteCola_ = 0;
    desde_ = fila;
    leidas_ = 0;
    if (fila == 0) {
        consulta_ = base_.consulta(sql_, valores_);
        return;
    }
    QVariantList valores = valores_;
    valores << fila;
    consulta_ = base_.consulta(sql_ + QStringLiteral(" LIMIT -1 OFFSET ?"), valores);
}

std::optional<FilaTabla> ConsultaFilas::siguiente()
{
    if (!consulta_ && !enCola_) irA(0);
    if (!enCola_) {
        if (base_.siguiente(*consulta_)) {
            ++leidas_;
            return fila_(*consulta_);
        }
        consulta_.reset();
        enCola_ = true;
        if (cola_) filasCola_ = cola_();
        // Started past the query's last row: the closing rows are counted on from there.
        if (leidas_ == 0 && desde_ > 0) {
            const qint64 total =
                base_.valor(QStringLiteral("SELECT COUNT(*) FROM (") + sql_ + QLatin1Char(')'),
                            valores_)
                    .toLongLong();
            siguienteCola_ = desde_ - total;
        }
    }
    if (siguienteCola_ < 0 || siguienteCola_ >= filasCola_.size()) return std::nullopt;
    return filasCola_[siguienteCola_++];
}
