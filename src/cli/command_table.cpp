// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"

#include <charconv>
#include <cmath>

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

void requireInCalendar(long long serial) {
    if (!VbDate::inCalendar(serial))
        throw UsageError("La date calculée tombe hors du calendrier (années 100 à 9999) : "
                         "vérifiez les valeurs saisies.");
}

std::string dateText(VbDate date) {
    requireInCalendar(date.serial());
    return date.toText();
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
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    // The shortest form that reads back as the same double, whatever the locale.
    char buf[64];
    const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value);
    return error == std::errc() ? std::string(buf, end) : "null";
}

} // namespace tovimar::cli
