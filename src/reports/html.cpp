#include "html.h"

#include "base/version.h"

#include <cstdio>
#include <ostream>

namespace yardmark {

std::string colorText(ColorValue color)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(redOf(color)),
                  static_cast<unsigned>(greenOf(color)), static_cast<unsigned>(blueOf(color)));
    return text;
}

FontTags makeFontTags(const HtmlOptions &options)
{
    const auto tag = [&](ColorValue color, int size) {
        std::string open = "<font color=" + colorText(color);
        if (options.htmlFontFace != "Variable Width" && options.htmlFontFace != "Fixed Width")
            open += " face=\"" + htmlEscape(options.htmlFontFace) + "\"";
        open += " size=" + std::to_string(size) + ">";
        return open;
    };
    FontTags tags{tag(options.htmlFontColor, options.htmlBodyFontSize),
                  tag(options.htmlHeaderFontColor, options.htmlHeaderFontSize), "</font>"};
    if (options.htmlFontFace == "Fixed Width") {
        tags.body = "<tt>" + tags.body;
        tags.header = "<tt>" + tags.header;
        tags.end = "</font></tt>";
    }
    return tags;
}

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void writePageHead(std::ostream &out, std::string_view titleWord)
{
    // The pages hold the records' Windows-1252 bytes as they are; a server or
    // browser told nothing would read an accented name as something else.
    out << "<HTML><HEAD>" << kHtmlCharsetMeta << "<TITLE>Quillet " YARDMARK_PRODUCT_NAME " " << htmlEscape(titleWord)
        << "</TITLE></HEAD><BODY>";
}

void writeFooter(std::ostream &out, const DateTime &now)
{
    char when[64];
    std::snprintf(when, sizeof when, " on %d/%02d/%d at %2d:%02d:%02d", now.month, now.day, now.year, now.hour,
                  now.minute, now.second);
    out << "\n</TABLE>"
        << "\n<p><font size=-1>This file was created with <a href=\"" << kHomePageUrl
        << "\"><em>Quillet " YARDMARK_PRODUCT_NAME "\t</em></a>" << when << "</font>\n</BODY></HTML>";
}

} // namespace yardmark
