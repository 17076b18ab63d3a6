// The live page: the feed drawn once as HTML, so that the page reads well
// without scripts, and a small script that reads the feed again every few
// seconds and redraws the same elements in place.

#include "livefeed.h"

#include "base/version.h"
#include "reports/html.h"

#include <sstream>

namespace yardmark {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char *kMiddleDot = " \xC2\xB7 ";

constexpr const char *kStyle = R"(
:root { color-scheme: light; --line: #d0d7de; --muted: #57606a; }
* { box-sizing: border-box; }
body { margin: 0 auto; max-width: 46rem; padding: 0.75rem; font: 16px/1.4 system-ui, -apple-system, "Segoe UI",
       Roboto, "Liberation Sans", Arial, sans-serif; color: #1f2328; background: #ffffff; }
h1 { font-size: 1.3rem; margin: 0; }
h2 { font-size: 1.05rem; margin: 1.2rem 0 0.4rem; border-bottom: 1px solid var(--line); }
.updated { margin: 0.1rem 0 0.6rem; color: var(--muted); font-size: 0.85rem; }
.updated.stale::after { content: " \2014  not reachable, trying again"; color: #b3261e; }
table { border-collapse: collapse; width: 100%; }
th, td { padding: 0.25rem 0.4rem; text-align: left; }
.scoreboard { background: #111; color: #fff; border-radius: 0.5rem; overflow: hidden; }
.scoreboard th { font-size: 1.2rem; overflow-wrap: anywhere; }
.scoreboard td.score { font-size: 2.2rem; font-weight: 700; text-align: right; font-variant-numeric: tabular-nums;
                       color: #ffc400; width: 4.5rem; }
.scoreboard td.swatch { width: 0.6rem; padding: 0; }
.scoreboard td.timeouts { color: #bbb; font-size: 0.8rem; white-space: nowrap; width: 4rem; }
.scoreboard tr.ball th::after { content: ""; display: inline-block; width: 1.1em; height: 0.65em; margin-left: 0.4em;
                                background: #794826; border: 2px solid #fff; border-radius: 50%; }
.situation { margin: 0.6rem 0; font-size: 1.1rem; font-weight: 600; }
.quarters td, .quarters th { text-align: center; border-bottom: 1px solid var(--line); }
.quarters tbody th { text-align: left; }
#chart svg { display: block; border-radius: 0.3rem; }
ol { margin: 0; padding-left: 2.2rem; }
li { margin: 0.25rem 0; }
ol:empty::before { content: "None yet."; color: var(--muted); margin-left: -2.2rem; }
.box td, .box th { border-bottom: 1px solid var(--line); font-variant-numeric: tabular-nums; }
.box td { text-align: right; white-space: nowrap; }
.box thead th { text-align: right; overflow-wrap: anywhere; }
.box tbody th { font-weight: normal; }
footer { margin-top: 1.5rem; color: var(--muted); font-size: 0.8rem; }
)";

// Mirrors the drawing below element by element; the feed is read with a
// fresh request each time so that no cache shows an old score.
constexpr const char *kScript = R"(
(() => {
  'use strict';
  const el = (id) => document.getElementById(id);
  const set = (id, value) => { el(id).textContent = String(value); };
  const make = (tag, text) => {
    const e = document.createElement(tag);
    if (text !== undefined) e.textContent = String(text);
    return e;
  };
  const row = (head, cells) => {
    const tr = make('tr');
    tr.append(make('th', head), ...cells.map((c) => make('td', c)));
    return tr;
  };
  const render = (d) => {
    document.title = d.title;
    set('title', d.title);
    set('updated', d.updated.replace('T', ' '));
    for (const side of ['home', 'visitor']) {
      const t = d.teams[side];
      set(side + 'Name', t.name);
      set(side + 'Score', t.score);
      set(side + 'TimeOuts', t.timeOutsLeft);
      el(side + 'Swatch').style.background = t.color;
      el(side + 'Row').className = d.situation.possession === side ? 'ball' : '';
    }
    const s = d.situation;
    set('period', s.period);
    set('down', s.downText);
    set('ballOn', s.ballOnText);
    set('possession', s.possessionText);
    const q = d.scoreByQuarter;
    el('byQuarter').tBodies[0].replaceChildren(row(d.teams.visitor.name, q.visitor), row(d.teams.home.name, q.home));
    set('chartTitle', d.driveChart.title);
    el('chart').innerHTML = d.driveChart.svg;
    el('scoring').replaceChildren(...d.scoring.map((x) => make('li', x.text)));
    el('plays').replaceChildren(...d.lastPlays.map((p) => {
      const li = make('li', p.text);
      li.value = p.number;
      return li;
    }));
    set('boxHome', d.teams.home.name);
    set('boxVisitor', d.teams.visitor.name);
    const b = d.summary;
    el('box').tBodies[0].replaceChildren(...b.labels.map((label, i) => row(label, [b.home[i], b.visitor[i]])));
  };
  const poll = () => {
    fetch('live.json?t=' + Date.now(), { cache: 'no-store' })
      .then((r) => { if (!r.ok) throw new Error(String(r.status)); return r.json(); })
      .then((d) => {
        if (d.format === 'yardmark-live' && d.version === VERSION) render(d);
        el('updated').parentElement.classList.remove('stale');
      })
      .catch(() => { el('updated').parentElement.classList.add('stale'); });
  };
  setInterval(poll, SECONDS * 1000);
})();
)";

/// An element's text from the feed, escaped.
std::string text(const Json &value)
{
    return htmlEscape(value.is_string() ? value.get<std::string>() : value.dump());
}

void teamRow(std::ostream &out, const Json &feed, const char *side)
{
    const Json &team = feed["teams"][side];
    const std::string id = side;
    const bool ball = feed["situation"]["possession"] == side;
    out << "<tr id=\"" << id << "Row\"" << (ball ? " class=\"ball\"" : "") << "><td class=\"swatch\" id=\"" << id
        << "Swatch\" style=\"background:" << text(team["color"]) << "\"></td><th id=\"" << id << "Name\">"
        << text(team["name"]) << "</th><td class=\"timeouts\">Time-outs <span id=\"" << id << "TimeOuts\">"
        << text(team["timeOutsLeft"]) << "</span></td><td class=\"score\" id=\"" << id << "Score\">"
        << text(team["score"]) << "</td></tr>\n";
}

void row(std::ostream &out, const Json &head, const std::vector<const Json *> &cells)
{
    out << "<tr><th>" << text(head) << "</th>";
    for (const Json *cell : cells)
        out << "<td>" << text(*cell) << "</td>";
    out << "</tr>";
}

void quarters(std::ostream &out, const Json &feed)
{
    const Json &q = feed["scoreByQuarter"];
    out << "<table class=\"quarters\" id=\"byQuarter\"><thead><tr><th></th>";
    for (const Json &period : q["periods"])
        out << "<th>" << text(period) << "</th>";
    out << "</tr></thead><tbody>";
    for (const char *side : {"visitor", "home"}) {
        std::vector<const Json *> cells;
        for (const Json &cell : q[side])
            cells.push_back(&cell);
        row(out, feed["teams"][side]["name"], cells);
    }
    out << "</tbody></table>\n";
}

void lists(std::ostream &out, const Json &feed)
{
    out << "<h2>Scoring</h2>\n<ol id=\"scoring\">";
    for (const Json &line : feed["scoring"])
        out << "<li>" << text(line["text"]) << "</li>";
    out << "</ol>\n<h2>Last plays</h2>\n<ol id=\"plays\">";
    for (const Json &play : feed["lastPlays"])
        out << "<li value=\"" << text(play["number"]) << "\">" << text(play["text"]) << "</li>";
    out << "</ol>\n";
}

void boxScore(std::ostream &out, const Json &feed)
{
    const Json &summary = feed["summary"];
    out << "<h2>Team statistics</h2>\n<table class=\"box\" id=\"box\"><thead><tr><th></th><th id=\"boxHome\">"
        << text(feed["teams"]["home"]["name"]) << "</th><th id=\"boxVisitor\">"
        << text(feed["teams"]["visitor"]["name"]) << "</th></tr></thead><tbody>";
    for (std::size_t i = 0; i < summary["labels"].size(); ++i)
        row(out, summary["labels"][i], {&summary["home"][i], &summary["visitor"][i]});
    out << "</tbody></table>\n";
}

std::string script()
{
    std::string code = kScript;
    const auto replace = [&code](const std::string &name, const std::string &value) {
        code.replace(code.find(name), name.size(), value);
    };
    replace("VERSION", std::to_string(kLiveFeedVersion));
    replace("SECONDS", std::to_string(kLiveReloadSeconds));
    return code;
}

} // namespace

std::string livePage(const nlohmann::ordered_json &feed)
{
    const Json &s = feed["situation"];
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"generator\" content=\"" YARDMARK_PRODUCT_NAME "\">\n"
        << "<title>" << text(feed["title"]) << "</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n"
        << "<header><h1 id=\"title\">" << text(feed["title"]) << "</h1>\n"
        << "<p class=\"updated\">Updated <span id=\"updated\">"
        << htmlEscape(feed["updated"].get<std::string>().replace(10, 1, " ")) << "</span></p></header>\n"
        << "<table class=\"scoreboard\">\n";
    teamRow(out, feed, "visitor");
    teamRow(out, feed, "home");
    out << "</table>\n<p class=\"situation\"><span id=\"period\">" << text(s["period"]) << "</span>" << kMiddleDot
        << "<span id=\"down\">" << text(s["downText"]) << "</span>" << kMiddleDot << "<span id=\"ballOn\">"
        << text(s["ballOnText"]) << "</span>" << kMiddleDot << "<span id=\"possession\">" << text(s["possessionText"])
        << "</span></p>\n";
    quarters(out, feed);
    const Json &chart = feed["driveChart"];
    out << "<h2 id=\"chartTitle\">" << text(chart["title"]) << "</h2>\n<div id=\"chart\">"
        << chart["svg"].get<std::string>() << "</div>\n";
    lists(out, feed);
    boxScore(out, feed);
    out << "<footer>Created with <a href=\"" << kHomePageUrl
        << "\">" YARDMARK_PRODUCT_NAME "</a>. This page updates itself "
        << "every " << kLiveReloadSeconds << " seconds.</footer>\n<script>" << script()
        << "</script>\n</body>\n</html>\n";
    return out.str();
}

} // namespace yardmark
