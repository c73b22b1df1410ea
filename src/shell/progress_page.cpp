#include "shell/progress_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>

#include "shell/app_folders.h"

namespace quorrel {
namespace {

constexpr const char* kOutcomeWords[] = {"solved", "wrong", "left"};

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

std::string Day(const CivilTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

std::string Clock(const CivilTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

std::string Numbers(const LearnerLine& l) {
    return std::to_string(l.numbers[0]) + " " + std::to_string(l.numbers[1]) + " " +
           std::to_string(l.numbers[2]) + " " + std::to_string(l.numbers[3]);
}

// Table cells of whole numbers.
std::string Cells(std::initializer_list<int> values) {
    std::string cells;
    for (int v : values) cells += "<td>" + std::to_string(v) + "</td>";
    return cells;
}

struct Tally {
    int played = 0, solved = 0, hints = 0;
    void Add(const LearnerLine& l) {
        ++played;
        solved += l.outcome == PuzzleOutcome::kSolved;
        hints += l.hints;
    }
};

// Bars of puzzles solved (dark) and hints used (light) for each of the newest days played.
std::string DaysChart(const std::vector<LearnerLine>& lines) {
    std::map<std::string, Tally> days;
    for (const LearnerLine& l : lines) days[Day(l.when)].Add(l);
    while (days.size() > kProgressDays) days.erase(days.begin());
    int most = 1;
    for (const auto& [day, d] : days) most = std::max({most, d.solved, d.hints});
    const double width = 640, height = 200, slot = width / std::max<size_t>(days.size(), 1);
    std::string svg = Format(
        "<svg viewBox=\"0 0 %.0f %.0f\" width=\"100%%\" role=\"img\" aria-label=\"Puzzles "
        "solved and hints used per day\">\n",
        width, height + 40);
    double x = 0;
    for (const auto& [day, d] : days) {
        const double bar = slot * 0.4, hs = height * d.solved / most, hh = height * d.hints / most;
        svg += Format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"#264\"/>",
                      x + slot * 0.1, height - hs, bar, hs);
        svg += Format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"#db3\"/>",
                      x + slot * 0.5, height - hh, bar, hh);
        svg += Format("<text x=\"%.1f\" y=\"%.0f\" font-size=\"10\" text-anchor=\"middle\">",
                      x + slot / 2, height + 14) +
               day.substr(5) + "</text>\n";
        x += slot;
    }
    return svg +
           Format("<text x=\"0\" y=\"%.0f\" font-size=\"11\">Most in a day: %.0f</text>\n",
                  height + 34, most) +
           "</svg>\n";
}

// The rating after each puzzle, as a line over the puzzles played.
std::string RatingChart(const std::vector<LearnerLine>& lines) {
    const double width = 640, height = 200;
    double low = kStartRating, high = kStartRating;
    for (const LearnerLine& l : lines)
        low = std::min(low, l.rating), high = std::max(high, l.rating);
    low = std::floor(low), high = std::max(std::ceil(high), low + 1);
    std::string points;
    for (size_t k = 0; k < lines.size(); ++k) {
        const double x = lines.size() < 2 ? 0 : width * static_cast<double>(k) / (lines.size() - 1);
        points += Format("%.1f,%.1f ", x, height - height * (lines[k].rating - low) / (high - low));
    }
    std::string svg = Format(
        "<svg viewBox=\"0 0 %.0f %.0f\" width=\"100%%\" role=\"img\" aria-label=\"Rating over "
        "time\">\n<rect width=\"%.0f\" height=\"%.0f\" fill=\"none\" stroke=\"#999\"/>\n",
        width, height + 24, width, height);
    svg +=
        "<polyline fill=\"none\" stroke=\"#226\" stroke-width=\"2\" points=\"" + points + "\"/>\n";
    return svg + Format(
                     "<text x=\"0\" y=\"%.0f\" font-size=\"11\">from %.0f to %.0f on the "
                     "puzzles' scale; %.0f puzzles</text>\n</svg>\n",
                     height + 18, low, high, static_cast<double>(lines.size()));
}

std::string TargetsTable(const std::vector<LearnerLine>& lines) {
    std::map<int, Tally> targets;
    for (const LearnerLine& l : lines) targets[l.target].Add(l);
    std::string rows;
    for (const auto& [target, t] : targets)
        rows += "<tr>" + Cells({target, t.played, t.solved}) + "</tr>\n";
    return "<table>\n<tr><th>Target</th><th>Played</th><th>Solved</th></tr>\n" + rows +
           "</table>\n";
}

std::string LastPuzzles(const std::vector<LearnerLine>& lines) {
    std::string rows;
    const size_t first =
        lines.size() > kProgressLastPuzzles ? lines.size() - kProgressLastPuzzles : 0;
    for (size_t k = lines.size(); k-- > first;) {
        const LearnerLine& l = lines[k];
        rows += "<tr><td>" + Day(l.when) + " " + Clock(l.when) + "</td><td>" + Numbers(l) +
                "</td>" + Cells({l.target, l.level}) + "<td>" +
                kOutcomeWords[static_cast<int>(l.outcome)] + "</td>" + Cells({l.hints, l.seconds}) +
                "</tr>\n";
    }
    return "<table>\n<tr><th>When</th><th>Numbers</th><th>Target</th><th>Level</th>"
           "<th>Outcome</th><th>Hints</th><th>Seconds</th></tr>\n" +
           rows + "</table>\n";
}

}  // namespace

std::string ProgressPage(const LearnerRecord& record) {
    const std::vector<LearnerLine>& lines = record.lines;
    const auto solved = std::count_if(lines.begin(), lines.end(), [](const LearnerLine& l) {
        return l.outcome == PuzzleOutcome::kSolved;
    });
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Quorrel progress</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 1cm; max-width: 20cm; }\n"
        "table { border-collapse: collapse; margin: 0.3cm 0; }\n"
        "td, th { border: 1px solid #999; padding: 2px 8px; text-align: right; }\n"
        ".key span { display: inline-block; width: 1em; height: 1em; vertical-align: middle; }\n"
        "section { break-inside: avoid; }\n"
        "@media print { body { margin: 0; } }\n"
        "</style>\n</head>\n<body>\n<h1>Progress in Quorrel</h1>\n"
        "<p>This page was made on this computer from the game's own record. Nothing leaves the "
        "computer: Quorrel uses no network, no account and no telemetry.</p>\n";
    if (lines.empty()) return page + "<p>No puzzles have been played yet.</p>\n</body>\n</html>\n";
    page += Format("<p>%.0f puzzles played, %.0f solved. Rating now %.2f.</p>\n",
                   static_cast<double>(lines.size()), static_cast<double>(solved), record.rating);
    page +=
        "<section><h2>Puzzles solved and hints used per day</h2>\n<p class=\"key\"><span "
        "style=\"background:#264\"></span> solved &nbsp; <span style=\"background:#db3\">"
        "</span> hints used</p>\n" +
        DaysChart(lines) + "</section>\n";
    page +=
        "<section><h2>Rating over time</h2>\n<p>Higher is harder: puzzles are dealt that the "
        "child solves about three times in four.</p>\n" +
        RatingChart(lines) + "</section>\n";
    page += "<section><h2>Targets played</h2>\n" + TargetsTable(lines) + "</section>\n";
    page += "<section><h2>The last puzzles</h2>\n" + LastPuzzles(lines) + "</section>\n";
    return page + "</body>\n</html>\n";
}

std::string ProgressCsv(const LearnerRecord& record) {
    std::string csv = "date,time,numbers,target,level,outcome,hints,seconds,rating\r\n";
    for (const LearnerLine& l : record.lines)
        csv += Day(l.when) + "," + Clock(l.when) + "," + Numbers(l) + "," +
               std::to_string(l.target) + "," + std::to_string(l.level) + "," +
               kOutcomeWords[static_cast<int>(l.outcome)] + "," + std::to_string(l.hints) + "," +
               std::to_string(l.seconds) + Format(",%.2f\r\n", l.rating);
    return csv;
}

std::string ExportProgress(const std::string& record_path, const std::string& folder) {
    const LearnerRecord record = ReadLearnerRecord(record_path);
    std::string error = MakeFolders(folder, 0755);
    if (!error.empty()) return error;
    if (!WriteFileAtomically(folder + "/index.html", ProgressPage(record)) ||
        !WriteFileAtomically(folder + "/progress.csv", ProgressCsv(record)))
        return "cannot write into " + folder;
    return "";
}

}  // namespace quorrel
