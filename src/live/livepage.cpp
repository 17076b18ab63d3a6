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
.leaders { display: grid; grid-template-columns: repeat(auto-fit, minmax(17rem, 1fr)); gap: 0.6rem 1rem; }
.leaders h3 { font-size: 1rem; margin: 0 0 0.2rem; display: flex; justify-content: space-between; gap: 0.5rem; }
.leaders h3 .record { font-weight: normal; color: var(--muted); white-space: nowrap; }
.leader { display: grid; grid-template-columns: 4.8rem 1fr; padding: 0.25rem 0; border-bottom: 1px solid var(--line); }
.leader .cat { color: var(--muted); font-size: 0.85rem; grid-row: span 3; padding-top: 0.1rem; }
.leader .who { font-weight: 600; overflow-wrap: anywhere; }
.leader .today, .leader .season { font-variant-numeric: tabular-nums; font-size: 0.95rem; }
.leader .season { color: var(--muted); }
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
    el('leaders').replaceChildren(...['visitor', 'home'].map((side) => {
      const section = make('section');
      const h3 = make('h3');
      h3.append(make('span', d.teams[side].name));
      if (d.season) {
        const record = make('span', 'Record going in ' + d.season[side].text);
        record.className = 'record';
        h3.append(record);
      }
      section.append(h3);
      for (const [key, label] of CATEGORIES) {
        const l = d.leaders[side][key];
        const div = make('div');
        div.className = 'leader';
        const cat = make('div', label);
        cat.className = 'cat';
        const who = make('div', l ? (l.number >= 0 ? '#' + l.number + ' ' : '') + l.name : '\u2014');
        who.className = 'who';
        div.append(cat, who);
        if (l) {
          const today = make('div', (d.season ? 'Today ' : '') + l.text);
          today.className = 'today';
          div.append(today);
          if (l.seasonText !== undefined) {
            const season = make('div', 'Season ' + l.seasonText);
            season.className = 'season';
            div.append(season);
          }
        }
        section.append(div);
      }
      return section;
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

constexpr std::pair<const char *, const char *> kLeaderCategories[] = {
    {"passing", "Passing"}, {"rushing", "Rushing"}, {"receiving", "Receiving"}, {"tackles", "Tackles"}};

// Each team's leaders, today and over the season.
void leaders(std::ostream &out, const Json &feed)
{
    const Json &season = feed["season"];
    out << "<h2>Leaders</h2>\n<div class=\"leaders\" id=\"leaders\">";
    for (const char *side : {"visitor", "home"}) {
        out << "<section><h3><span>" << text(feed["teams"][side]["name"]) << "</span>";
        if (!season.is_null())
            out << "<span class=\"record\">Record going in " << text(season[side]["text"]) << "</span>";
        out << "</h3>";
        for (const auto &[key, label] : kLeaderCategories) {
            const Json &leader = feed["leaders"][side][key];
            out << "<div class=\"leader\"><div class=\"cat\">" << label << "</div><div class=\"who\">";
            if (leader.is_null()) {
                out << "\xE2\x80\x94</div></div>";
                continue;
            }
            if (leader["number"].get<int>() >= 0)
                out << "#" << leader["number"].get<int>() << " ";
            out << text(leader["name"]) << "</div><div class=\"today\">" << (season.is_null() ? "" : "Today ")
                << text(leader["text"]) << "</div>";
            if (leader.contains("seasonText"))
                out << "<div class=\"season\">Season " << text(leader["seasonText"]) << "</div>";
            out << "</div>";
        }
        out << "</section>";
    }
    out << "</div>\n";
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
    std::string categories = "[";
    for (const auto &[key, label] : kLeaderCategories)
        categories += std::string(categories.size() > 1 ? ", " : "") + "['" + key + "', '" + label + "']";
    replace("CATEGORIES", categories + "]");
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
    leaders(out, feed);
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
