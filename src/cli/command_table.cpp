#include "cli/command_table.h"

#include <cmath>
#include <cstdio>

#include "core/french_number.h"

namespace tovimar::cli {

Result& Result::field(const std::string& name, const std::string& value) {
    fields.emplace_back(name, jsonString(value));
    return *this;
}

Result& Result::number(const std::string& name, const std::string& json) {
    fields.emplace_back(name, json);
    return *this;
}

VbDate dateArg(const std::vector<std::string>& args, std::size_t i, const std::string& name) {
    auto date = readFrenchDate(args.at(i));
    if (!date)
        throw UsageError("« " + args[i] + " » n'est pas une date (" + name +
                         ") : saisissez-la sous la forme JJ/MM/AAAA.");
    return *date;
}

long long wholeArg(const std::vector<std::string>& args, std::size_t i, const std::string& name) {
    auto value = readFrenchNumber(args.at(i));
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e9)
        throw UsageError("« " + args[i] + " » n'est pas un nombre entier (" + name + ").");
    return static_cast<long long>(*value);
}

double numberArg(const std::vector<std::string>& args, std::size_t i, const std::string& name) {
    auto value = readFrenchNumber(args.at(i));
    if (!value)
        throw UsageError("« " + args[i] + " » n'est pas un nombre (" + name +
                         ") : utilisez la virgule décimale.");
    return *value;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

} // namespace tovimar::cli
