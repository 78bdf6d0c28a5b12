#include "practice/practice_results.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr double KNOTS_PER_FPS = 0.5924170616113744;
constexpr int FIELDS = 10;

std::string PathIn(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

// Tabs and line ends would break the line apart.
std::string Clean(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

std::string LineOf(const PracticeResult& r) {
    char numbers[200];
    std::snprintf(numbers, sizeof numbers, "%d\t%d\t%.2f\t%d\t%.2f\t%d\t%d\t%d", r.score, r.outcome,
                  r.seconds, r.contacts, r.hardestKnots, r.fenderContacts, r.linesUsed,
                  r.linesParted);
    return Clean(r.exercise) + "\t" + Clean(r.date) + "\t" + numbers + "\n";
}

bool ParseLine(const std::string& line, PracticeResult& r) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
    if (fields.size() != FIELDS || fields[0].empty()) return false;
    r.exercise = fields[0];
    r.date = fields[1];
    std::istringstream numbers(fields[2] + " " + fields[3] + " " + fields[4] + " " + fields[5] +
                               " " + fields[6] + " " + fields[7] + " " + fields[8] + " " +
                               fields[9]);
    numbers >> r.score >> r.outcome >> r.seconds >> r.contacts >> r.hardestKnots >>
        r.fenderContacts >> r.linesUsed >> r.linesParted;
    return !numbers.fail() && (numbers >> std::ws).eof();
}

}  // namespace

PracticeResult ResultOf(const PracticeRun& run, const std::string& exercise,
                        const std::string& date) {
    const PracticeTally& t = run.tally;
    return {exercise,
            date,
            PracticeScore(run),
            run.outcome,
            t.elapsed,
            t.dockContacts,
            t.hardestContact * KNOTS_PER_FPS,
            t.fenderContacts,
            t.linesUsed,
            t.linesParted};
}

std::vector<PracticeResult> ReadPracticeResults(const std::string& folder) {
    std::vector<PracticeResult> results;
    std::ifstream file(PathIn(folder, PRACTICE_RESULTS_FILE), std::ios::binary);
    for (std::string line; std::getline(file, line);) {
        PracticeResult r;
        if (ParseLine(line, r)) results.push_back(r);
    }
    return results;
}

bool AppendPracticeResult(const std::string& folder, const PracticeResult& result,
                          std::string& error) {
    std::string text;
    for (const PracticeResult& r : ReadPracticeResults(folder)) text += LineOf(r);
    text += LineOf(result);

    const std::string path = PathIn(folder, PRACTICE_RESULTS_FILE);
    const std::string temporary = path + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    bool written = file != nullptr;
    if (written) {
        written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                  std::fflush(file) == 0 && fsync(fileno(file)) == 0;
        written = std::fclose(file) == 0 && written;
    }
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = "Cannot write the practice results to " + path;
        return false;
    }
    return true;
}

int BestScore(const std::vector<PracticeResult>& results, const std::string& exercise) {
    int best = -1;
    for (const PracticeResult& r : results) {
        if (r.exercise == exercise && r.score > best) best = r.score;
    }
    return best;
}
