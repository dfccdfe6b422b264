#include "reports/lectura_adelantada.h"

#include "database/base_datos.h"

namespace {

// Small batches bring the first rows soon; a few of them keep the thread ahead of the drawing.
constexpr std::size_t kFilasPorLote = 128;
constexpr std::size_t kLotesEnEspera = 4;

} // namespace

LecturaAdelantada::LecturaAdelantada(QString ruta, int espera, QString sql, QVariantList valores,
                                     Fila fila)
    : ruta_(std::move(ruta)),
      espera_(espera),
      sql_(std::move(sql)),
      valores_(std::move(valores)),
      fila_(std::move(fila)),
      hilo_([this](std::stop_token parar) { leer(parar); })
{
}

LecturaAdelantada::~LecturaAdelantada()
{
    hilo_.request_stop();
    if (hilo_.joinable()) hilo_.join();
}

void LecturaAdelantada::leer(std::stop_token parar)
{
    try {
        BaseDatos base;
        base.abrir(ruta_);
        base.setEsperaOcupada(espera_);
        QSqlQuery consulta = base.consulta(sql_, valores_);
        std::vector<FilaTabla> lote;
        bool hay = true;
        while (hay && !parar.stop_requested()) {
            hay = base.siguiente(consulta);
            if (hay) lote.push_back(fila_(consulta));
            if (lote.size() < kFilasPorLote && (hay || lote.empty())) continue;
            std::unique_lock bloqueo(mutex_);
            if (!cambio_.wait(bloqueo, parar, [this] { return lotes_.size() < kLotesEnEspera; }))
                return;
            lotes_.push_back(std::move(lote));
            lote = {};
            cambio_.notify_all();
        }
    } catch (...) {
        const std::lock_guard bloqueo(mutex_);
        error_ = std::current_exception();
    }
    const std::lock_guard bloqueo(mutex_);
    terminada_ = true;
    cambio_.notify_all();
}

std::optional<FilaTabla> LecturaAdelantada::siguiente()
{
    if (enLote_ == lote_.size()) {
        std::unique_lock bloqueo(mutex_);
        cambio_.wait(bloqueo, [this] { return !lotes_.empty() || terminada_; });
        if (lotes_.empty()) {
            if (error_) std::rethrow_exception(error_);
            return std::nullopt;
        }
        lote_ = std::move(lotes_.front());
        lotes_.pop_front();
        enLote_ = 0;
        cambio_.notify_all();
    }
    return std::move(lote_[enLote_++]);
}
