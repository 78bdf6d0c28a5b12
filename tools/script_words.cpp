#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "script_commands.h"

bool ReadInteger(const std::string& word, long long min, long long max, long long& value) {
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(word.c_str(), &end, 10);
    if (errno != 0 || end == word.c_str() || *end != '\0') return false;
    if (v < min || v > max) return false;
    value = v;
    return true;
}

bool ReadReal(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    double v = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !std::isfinite(v)) return false;
    value = v;
    return true;
}
