// `chart GAME [--quarter N] -o FILE.svg|FILE.png`: the field with the drive
// chart of a quarter, drawn as the game window draws it.

#include "clicontext.h"
#include "inputs.h"
#include "offscreenqt.h"

#include "base/atomicfile.h"
#include "gameflow/fielddisplay.h"
#include "qtfield/fieldpainter.h"

#include <QBuffer>
#include <QPainter>
#ifdef YARDMARK_CHART_SVG
#include <QSvgGenerator>
#endif

#include <optional>

namespace yardmark::cli {

namespace {

struct ChartOptions {
    std::optional<int> quarter; ///< as shown: 1 to 4, 5 and up for overtime
};

#ifdef YARDMARK_CHART_SVG
QByteArray svgOf(const DriveChart &chart, QSize size, int quarter)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Drive chart, quarter %1").arg(quarter + 1));
    QPainter painter(&svg);
    paintField(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
    painter.end();
    return buffer.data();
}
#endif

QByteArray pngOf(const DriveChart &chart, QSize size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!renderField(chart, size).save(&buffer, "PNG"))
        return {};
    return buffer.data();
}

void writeChart(const Game &game, int quarter, const Settings &settings, const std::string &path)
{
    const std::string lower = [&] {
        std::string s = path;
        for (char &c : s)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return s;
    }();
    const bool svg = lower.ends_with(".svg");
    if (!svg && !lower.ends_with(".png"))
        throw CliError("the chart is written as .svg or .png: " + path);
#ifndef YARDMARK_CHART_SVG
    if (svg)
        throw CliError("this yardmark-cli draws charts as .png only: " + path);
#endif
    const DriveChart chart =
        savedGameChart(game, quarter, settings.league, {settings.app.homeColor, settings.app.visitorColor});
    QByteArray bytes;
    {
        const OffscreenQt qt;
        const QSize size = defaultFieldSize(chart);
#ifdef YARDMARK_CHART_SVG
        bytes = svg ? svgOf(chart, size, quarter) : pngOf(chart, size);
#else
        bytes = pngOf(chart, size);
#endif
    }
    if (bytes.isEmpty() || !writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size())))
        throw CliError("cannot write " + path);
}

} // namespace

void addChartCommand(CLI::App &app, CliContext &context)
{
    auto options = std::make_shared<ChartOptions>();
    auto *command = app.add_subcommand("chart", "draw the field with the drive chart of a quarter (SVG or PNG)");
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    command
        ->add_option("--quarter", options->quarter,
                     "the period to draw: 1 to 4, 5 and up for overtime (default: the last one recorded)")
        ->check(CLI::Range(1, 1000))
        ->option_text("N");
    command->add_option("-o,--output", context.outputPath, "the picture to write: FILE.svg or FILE.png")
        ->required()
        ->option_text("FILE");
    command->callback([&context, options] {
        context.writesOwnOutput = true;
        context.run = [&context, options](std::ostream &) {
            const Game game = loadGameOrFail(context.input);
            const int quarter = options->quarter ? *options->quarter - 1 : lastRecordedQuarter(game);
            writeChart(game, quarter, context.settings, context.outputPath);
        };
    });
}

} // namespace yardmark::cli
