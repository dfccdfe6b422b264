#pragma once
// A printer for tests: remembers every job it was given and answers with a chosen result; when
// given a PDF file, it prints the job there through the program's report engine instead, so that
// the test reads back what a user would see in the preview.

#include "database/base_datos.h"
#include "app/catalogo_reportes.h"
#include "platform/impresion.h"
#include "reports/motor_reportes.h"
#include "support/dialogos_guionados.h"

#include <vector>

class ImpresoraGuionada final : public Impresora {
public:
    std::vector<TrabajoImpresion> trabajos;
    ResultadoImpresion resultado;  // what a job answers when no PDF is asked for

    ImpresoraGuionada() = default;
    ImpresoraGuionada(BaseDatos& base, QString pdf) : base_(&base), pdf_(std::move(pdf)) {}

    ResultadoImpresion imprimir(const TrabajoImpresion& trabajo) override
    {
        trabajos.push_back(trabajo);
        if (!base_) return resultado;
        DialogosGuionados dialogos;
        MotorReportes motor(*base_, dialogos, reportesDelPrograma(), [] { return QPrinterInfo(); });
        TrabajoImpresion aPdf = trabajo;
        aPdf.destino = Destino::ArchivoPdf;
        aPdf.archivoPdf = pdf_;
        return motor.imprimir(aPdf);
    }

private:
    BaseDatos* base_ = nullptr;
    QString pdf_;
};
