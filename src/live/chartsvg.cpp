#include "chartsvg.h"

#include "base/text.h"
#include "reports/html.h"

#include <cstdio>
#include <sstream>

namespace yardmark {

namespace {

constexpr const char *kLeatherEdge = "#512F19";

/// A coordinate with at most two decimals and no trailing zeros.
std::string num(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string color(ColorValue value)
{
    return "#" + colorText(value);
}

void rect(std::ostream &out, double left, double top, double right, double bottom, ColorValue fill)
{
    out << "<rect x=\"" << num(left) << "\" y=\"" << num(top) << "\" width=\"" << num(right - left) << "\" height=\""
        << num(bottom - top) << "\" fill=\"" << color(fill) << "\"/>";
}

void line(std::ostream &out, double x1, double y1, double x2, double y2)
{
    out << "<line x1=\"" << num(x1) << "\" y1=\"" << num(y1) << "\" x2=\"" << num(x2) << "\" y2=\"" << num(y2)
        << "\"/>";
}

const char *dashes(PenKind pen)
{
    switch (pen) {
    case PenKind::Dotted:
        return " stroke-dasharray=\"1 2\"";
    case PenKind::DashDot:
        return " stroke-dasharray=\"4 2 1 2\"";
    default:
        return "";
    }
}

void grass(std::ostream &out, const FieldPicture &picture)
{
    const double goal = picture.leftGoalLine;
    const double length = 6.0 * picture.midfield;
    const double endZone = picture.midfield == 50 ? 30 : 24;
    rect(out, 0, 0, picture.width, picture.height, kGrassColor);
    // Mowing stripes every 10 yards (5 indoors) help the eye count yards.
    const double stripe = picture.midfield == 50 ? 30 : 15;
    for (double x = goal; x + 1e-9 < goal + length; x += 2 * stripe)
        rect(out, x, kSidelineTop, x + stripe, kSidelineBottom, kGrassStripeColor);
    rect(out, goal - endZone, kSidelineTop, goal, kSidelineBottom, kEndZoneColor);
    rect(out, goal + length, kSidelineTop, goal + length + endZone, kSidelineBottom, kEndZoneColor);

    out << "<g stroke=\"" << color(kChalkColor) << "\" stroke-width=\"0.8\" fill=\"none\">";
    out << "<rect x=\"" << num(goal - endZone) << "\" y=\"" << num(kSidelineTop) << "\" width=\""
        << num(length + 2 * endZone) << "\" height=\"" << num(kSidelineBottom - kSidelineTop) << "\"/>";
    for (int yard = 0; yard <= 2 * picture.midfield; yard += 5) {
        const double x = goal + 3.0 * yard;
        if (yard == 0 || yard == 2 * picture.midfield)
            out << "<line stroke-width=\"1.6\" x1=\"" << num(x) << "\" y1=\"" << num(kSidelineTop) << "\" x2=\""
                << num(x) << "\" y2=\"" << num(kSidelineBottom) << "\"/>";
        else
            line(out, x, kSidelineTop, x, kSidelineBottom);
    }
    for (int yard = 1; yard < 2 * picture.midfield; ++yard) {
        const double x = goal + 3.0 * yard;
        line(out, x, kHashTop, x, kHashTop + kHashLength);
        line(out, x, kSidelineBottom - kHashLength - 1, x, kSidelineBottom - 1);
    }
    out << "</g>";

    // The yard numbers, counted from each goal line to midfield.
    out << "<g fill=\"" << color(kChalkColor) << "\" font-family=\"Arial, Helvetica, sans-serif\" font-weight=\"bold\" "
        << "font-size=\"" << num(kNumberHeight * 0.7) << "\" text-anchor=\"middle\" dominant-baseline=\"central\">";
    const int step = picture.midfield == 50 ? 10 : 5;
    for (int yard = step; yard < 2 * picture.midfield; yard += step) {
        const int shown = yard <= picture.midfield ? yard : 2 * picture.midfield - yard;
        out << "<text x=\"" << num(goal + 3.0 * yard) << "\" y=\"" << num(kNumberTop + kNumberHeight / 2) << "\">"
            << shown << "</text>";
    }
    out << "</g>";
}

void chartLines(std::ostream &out, const DriveChart &chart)
{
    for (const ChartLeg &leg : chart.legs) {
        out << "<line x1=\"" << num(leg.x1) << "\" y1=\"" << num(leg.y) << "\" x2=\"" << num(leg.x2) << "\" y2=\""
            << num(leg.y) << "\" stroke=\"" << color(leg.color) << "\" stroke-width=\"1\"" << dashes(leg.pen) << "/>";
    }
    out << "<g stroke=\"#000000\" stroke-width=\"0.5\">";
    for (const ChartDot &dot : chart.dots) {
        out << "<circle cx=\"" << num(dot.x) << "\" cy=\"" << num(dot.y) << "\" r=\"" << num(kChartDotRadius)
            << "\" fill=\"" << color(dot.fill) << "\"/>";
    }
    out << "</g>";
    out << "<g fill=\"#000000\" font-family=\"Arial, Helvetica, sans-serif\" font-size=\"" << num(kChartLabelSize)
        << "\" dominant-baseline=\"central\">";
    for (const ChartLabel &label : chart.labels) {
        out << "<text x=\"" << num(label.x) << "\" y=\"" << num(label.y) << "\">"
            << htmlEscape(cp1252ToUtf8(label.text)) << "</text>";
    }
    out << "</g>";
}

void football(std::ostream &out, double x, double y)
{
    const double rx = kMarkerWidth / 2;
    const double ry = kMarkerHeight / 2;
    out << "<ellipse cx=\"" << num(x) << "\" cy=\"" << num(y) << "\" rx=\"" << num(rx - 0.4) << "\" ry=\""
        << num(ry - 0.4) << "\" fill=\"" << color(kLeatherColor) << "\" stroke=\"" << kLeatherEdge
        << "\" stroke-width=\"0.8\"/>";
    // The laces across the middle.
    const double half = kMarkerWidth * 0.22;
    out << "<g stroke=\"" << color(kChalkColor) << "\" stroke-width=\"0.8\">";
    line(out, x - half, y, x + half, y);
    for (int i = -2; i <= 2; ++i) {
        const double lx = x + i * half / 2.5;
        line(out, lx, y - kMarkerHeight * 0.15, lx, y + kMarkerHeight * 0.15);
    }
    out << "</g>";
}

} // namespace

std::string driveChartSvg(const DriveChart &chart, std::string_view title)
{
    const FieldPicture &picture = chart.picture;
    std::ostringstream out;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << num(picture.width) << ' '
        << num(picture.height) << "\" width=\"100%\" role=\"img\" aria-label=\"" << htmlEscape(title) << "\">";
    out << "<title>" << htmlEscape(title) << "</title>";
    grass(out, picture);
    chartLines(out, chart);
    football(out, chart.markerX, chart.markerY);
    out << "</svg>";
    return out.str();
}

} // namespace yardmark
