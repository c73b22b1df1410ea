// Replays the driver scripts in tests/scenarios/<subsystem>/*.scn: whole games played through
// the headless driver, each stating a rule a player would notice.
//
// Script format: "# ..." comments; "option --seed 7" lines before the first command; "> CMD" a
// driver command; the lines after it are its expected output (including the final "ok" or
// "error: ..."). An expected line "~ TEXT" matches any output line containing TEXT, and "..."
// skips output lines up to the next match. A command with no expected lines must print "ok".
// "file data|app PATH" and the lines after it ("| TEXT" a text line ended by CR LF, "n TEXT"
// one ended by LF, "r A B C D"
// a record of four 16-bit little-endian numbers) give a file's bytes: before the first command
// the file is written into the data folder or a copy of the app folder; after it, the file
// must hold exactly those bytes at that point.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver.h"

namespace quorrel {
namespace {

namespace fs = std::filesystem;

struct Step {
    int line = 0;
    std::string command;
    std::vector<std::string> expected;
    std::string where, path, bytes;  // a "file" directive
};

struct Script {
    std::vector<std::string> options;
    std::vector<Step> files;  // written before start
    std::vector<Step> steps;
};

void AddBytes(std::string& bytes, const std::string& line) {
    if (line.rfind("| ", 0) == 0) {
        bytes += line.substr(2) + "\r\n";
    } else if (line.rfind("n ", 0) == 0) {
        bytes += line.substr(2) + "\n";
    } else if (line.rfind("r ", 0) == 0) {
        std::istringstream words(line.substr(2));
        for (int v; words >> v;)
            bytes += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
    }
}

Script Parse(const fs::path& path) {
    Script script;
    std::ifstream in(path);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        std::vector<Step>& list = script.steps.empty() ? script.files : script.steps;
        bool bytes =
            line.rfind("| ", 0) == 0 || line.rfind("n ", 0) == 0 || line.rfind("r ", 0) == 0;
        if (line.rfind("file ", 0) == 0) {
            Step& file = list.emplace_back();
            std::istringstream words(line.substr(5));
            words >> file.where >> std::ws;
            std::getline(words, file.path);
            file.line = number;
        } else if (bytes && !list.empty() && !list.back().where.empty()) {
            AddBytes(list.back().bytes, line);
        } else if (line.rfind("option ", 0) == 0 && script.steps.empty()) {
            std::istringstream words(line.substr(7));
            for (std::string w; words >> w;) script.options.push_back(w);
        } else if (line.rfind("> ", 0) == 0) {
            script.steps.push_back({number, line.substr(2), {}, "", "", ""});
        } else if (!script.steps.empty()) {
            script.steps.back().expected.push_back(line);
        }
    }
    return script;
}

bool Matches(const std::string& expected, const std::string& actual) {
    if (expected.rfind("~ ", 0) == 0) return actual.find(expected.substr(2)) != std::string::npos;
    return expected == actual;
}

// Returns "" when the output fits the expectation, else a description of the first mismatch.
std::string Compare(const std::vector<std::string>& expected,
                    const std::vector<std::string>& actual) {
    size_t a = 0;
    for (size_t e = 0; e < expected.size(); ++e) {
        if (expected[e] == "...") {
            if (e + 1 == expected.size()) return "";
            while (a < actual.size() && !Matches(expected[e + 1], actual[a])) ++a;
            continue;
        }
        if (a >= actual.size()) return "missing output line: " + expected[e];
        if (!Matches(expected[e], actual[a]))
            return "expected: " + expected[e] + "\n  actual: " + actual[a];
        ++a;
    }
    if (a != actual.size()) return "unexpected output line: " + actual[a];
    return "";
}

std::vector<std::string> ScenarioFiles() {
    std::vector<std::string> files;
    fs::path root = fs::path(QUORREL_SOURCE_DIR) / "tests" / "scenarios";
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.path().extension() == ".scn")
            files.push_back(fs::relative(entry.path(), root).string());
    std::sort(files.begin(), files.end());
    return files;
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, PlaysAsWritten) {
    fs::path file = fs::path(QUORREL_SOURCE_DIR) / "tests" / "scenarios" / GetParam();
    Script script = Parse(file);
    ASSERT_FALSE(script.steps.empty()) << file;

    std::vector<char*> argv{const_cast<char*>("quorrel-driver")};
    for (std::string& o : script.options) argv.push_back(o.data());
    DriverOptions options;
    std::string error;
    ASSERT_TRUE(ParseDriverOptions(static_cast<int>(argv.size()), argv.data(), options, error))
        << error;
    // The build folder is a program folder with the compiled catalogs; the runner's language
    // is English unless a script asks for another, whatever the environment says.
    if (options.app_folder.empty()) options.app_folder = QUORREL_BUILD_DIR;
    if (options.language.empty()) options.language = "en";
    if (options.seed == 0) options.seed = 1;
    // A file for the app folder goes into a copy of it whose other files link to the real ones.
    struct Removed {  // also when a step fails
        fs::path path;
        ~Removed() {
            std::error_code ec;
            if (!path.empty()) fs::remove_all(path, ec);
        }
    } copy;
    fs::path& app_copy = copy.path;
    for (const Step& f : script.files) {
        if (f.where != "app" || !app_copy.empty()) continue;
        app_copy = fs::temp_directory_path() / ("quorrel-app-" + std::to_string(getpid()));
        fs::remove_all(app_copy);
        fs::create_directories(app_copy / "Media");
        for (const char* folder : {"help", "pictures", "locale"})
            fs::create_directory_symlink(fs::path(options.app_folder) / folder, app_copy / folder);
        for (const auto& entry : fs::directory_iterator(fs::path(options.app_folder) / "Media"))
            fs::create_symlink(entry.path(), app_copy / "Media" / entry.path().filename());
        options.app_folder = app_copy.string();
    }
    Driver driver(options);
    auto where = [&](const Step& f) {
        return fs::path(f.where == "app" ? options.app_folder : driver.data_folder()) / f.path;
    };
    for (const Step& f : script.files) {
        fs::create_directories(where(f).parent_path());
        fs::remove(where(f));
        std::ofstream(where(f), std::ios::binary) << f.bytes;
    }

    for (const Step& step : script.steps) {
        if (!step.where.empty()) {
            std::ifstream in(where(step), std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
            EXPECT_EQ(bytes, step.bytes) << GetParam() << ":" << step.line << ": " << step.path;
            continue;
        }
        std::vector<std::string> output;
        std::string result = driver.Execute(step.command, output);
        output.push_back(result.empty() ? "ok" : "error: " + result);
        std::vector<std::string> expected =
            step.expected.empty() ? std::vector<std::string>{"ok"} : step.expected;
        if (step.expected.empty()) output = {output.back()};
        std::string mismatch = Compare(expected, output);
        ASSERT_EQ(mismatch, "") << GetParam() << ":" << step.line << ": > " << step.command;
    }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Driver, Scenario, ::testing::ValuesIn(ScenarioFiles()), TestName);

}  // namespace
}  // namespace quorrel
