#include "core/french_number.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tovimar {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> readFrenchNumber(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string_view s = text.substr(b, e - b);
    std::string ascii;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ascii += s[i++];
    bool digits = false, comma = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits = true;
            ascii += s[i];
        } else if (s[i] == ',' && !comma) {
            comma = true;
            ascii += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return std::strtod(ascii.c_str(), nullptr);
}

double readLeadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (!isBlank(c) && c != '\n' && c != '\r') compact += c;
    std::string ascii;
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ascii += compact[i++];
    bool digits = false, point = false;
    for (; i < compact.size(); ++i) {
        const char c = compact[i];
        if (isDigit(c)) {
            digits = true;
            ascii += c;
        } else if (c == '.' && !point) {
            point = true;
            ascii += c;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    // An exponent counts only when followed by at least one digit.
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exp += compact[j++];
        std::size_t k = j;
        while (k < compact.size() && isDigit(compact[k]) && k - j < 4)
            exp += compact[k++];
        if (k > j) ascii += exp;
    }
    const double v = std::strtod(ascii.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

std::string formatFrenchNumber(double value) {
    if (value == 0.0 || !std::isfinite(value)) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string s = buf;
    std::string mantissa = s, exponent;
    if (auto e = s.find('e'); e != std::string::npos) {
        mantissa = s.substr(0, e);
        exponent = "E" + s.substr(e + 1);
    }
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    for (char& c : mantissa)
        if (c == '.') c = ',';
    return mantissa + exponent;
}

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    const double lower = std::floor(scaled);
    const double fraction = scaled - lower;
    // Tolerance for a decimal half that binary stores as x.4999999999.
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
    double rounded;
    if (std::fabs(fraction - 0.5) <= tolerance)
        rounded = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
    else
        rounded = fraction < 0.5 ? lower : lower + 1.0;
    const double result = rounded / scale;
    return result == 0.0 ? 0.0 : result;
}

} // namespace tovimar
