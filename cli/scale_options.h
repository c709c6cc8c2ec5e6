#pragma once
// The pay-scale options of haberes-cli: --escala FILE, --mostrar-escala and
// --escalas.
#include "engine/pay_scale.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <memory>
#include <optional>

namespace haberes::cli {

class ScaleOptions {
public:
    ScaleOptions();
    // To be added to the parser, and listed by --help.
    QList<QCommandLineOption> options() const { return {escala_, mostrar_, escalas_}; }

    // After parsing: the scale to compute with, or the exit status when the
    // options asked for something else (listing, showing) or were wrong.
    // Messages go to standard error, listings to standard output.
    std::optional<int> apply(const QCommandLineParser& parser);

    const PayScale& scale() const { return scale_ ? *scale_ : builtinScale(); }

private:
    QCommandLineOption escala_;
    QCommandLineOption mostrar_;
    QCommandLineOption escalas_;
    std::shared_ptr<const PayScale> scale_;
};

} // namespace haberes::cli
