#include "cli/scale_options.h"

#include "engine/messages.h"
#include "scale/scale_catalog.h"
#include "scale/scale_file.h"

#include <cstdio>

namespace haberes::cli {

ScaleOptions::ScaleOptions()
    : escala_(QStringLiteral("escala"), QStringLiteral("Calcula con la escala del archivo ARCHIVO en vez de la incorporada."),
              QStringLiteral("ARCHIVO")),
      mostrar_(QStringLiteral("mostrar-escala"),
               QStringLiteral("Escribe la escala en uso (la incorporada o la de --escala) en el formato de archivo de escalas.")),
      escalas_(QStringLiteral("escalas"),
               QStringLiteral("Lista las escalas que ofrece el programa: vigencia, nombre y origen."))
{
}

std::optional<int> ScaleOptions::apply(const QCommandLineParser& parser)
{
    if (parser.isSet(escalas_)) {
        const ScaleCatalog catalog = findScales();
        for (const QString& problem : catalog.problems)
            std::fprintf(stderr, "haberes-cli: %s\n", qPrintable(problem));
        for (const ScaleEntry& e : catalog.scales) {
            const QString line = effectiveMonth(*e.scale) + u'\t' + QString::fromStdString(e.scale->nombre) + u'\t' +
                                 (e.builtin() ? QStringLiteral("incorporada") : e.path) + u'\n';
            std::fputs(line.toUtf8().constData(), stdout);
        }
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    }
    if (parser.isSet(escala_)) {
        ScaleFileResult r = readScaleFile(parser.value(escala_));
        if (!r.scale) {
            std::fprintf(stderr, "haberes-cli: %s\n", qPrintable(r.error));
            return 2;
        }
        scale_ = std::make_shared<const PayScale>(std::move(*r.scale));
    }
    if (parser.isSet(mostrar_)) {
        const std::string text = writeScale(scale());
        std::fwrite(text.data(), 1, text.size(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::fprintf(stderr, "haberes-cli: no se pudo escribir la escala\n");
            return 2;
        }
        return 0;
    }
    return std::nullopt;
}

ScaleOptions::Named ScaleOptions::named(const std::string& name)
{
    Named n;
    if (name == scale().nombre) {
        n.scale = &scale();
        return n;
    }
    if (scale_) {
        n.error = scaleNotInUseMessage(name, scale_->nombre);
        return n;
    }
    if (!installed_) {
        installed_.emplace();
        for (const ScaleEntry& e : findScales().scales)
            installed_->push_back(e.scale);
    }
    for (const auto& s : *installed_)
        if (s->nombre == name) {
            n.scale = s.get();
            return n;
        }
    n.error = scaleNotInstalledMessage(name);
    return n;
}

} // namespace haberes::cli
