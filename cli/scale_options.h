#pragma once
// The pay-scale options of haberes-cli: --escala FILE, --mostrar-escala and
// --escalas.
#include "engine/pay_scale.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <memory>
#include <optional>
#include <string>
#include <vector>

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

    // The scale a record naming `name` (its `escala`) computes under, or why
    // it cannot: with --escala only FILE's name is accepted; without it, the
    // scale in use when it has that name, else the first installed scale
    // --escalas lists under it (the installed ones are looked for only when
    // a record names another scale, once).
    struct Named {
        const PayScale* scale = nullptr;
        std::string error; // Spanish, naming the scale
    };
    Named named(const std::string& name);

private:
    QCommandLineOption escala_;
    QCommandLineOption mostrar_;
    QCommandLineOption escalas_;
    std::shared_ptr<const PayScale> scale_;
    // The installed scales, looked for once, when first asked for.
    std::optional<std::vector<std::shared_ptr<const PayScale>>> installed_;
};

} // namespace haberes::cli
