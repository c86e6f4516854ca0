#pragma once

#include "base/DateTime.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

// What every JSON document of the programs shares: its version field, its numbers, its
// date-times and its text. docs/json-schema.md describes the documents.
namespace vestra {

// The version a reader checks before it trusts the fields; a change that drops or renames a
// field needs a new one, an added field does not.
inline constexpr std::string_view kJsonSchemaVersion = "vestra/1";

// An object naming the version and the document's kind ("data-set", "ports", ...).
nlohmann::ordered_json JsonDocument(std::string_view kind);

// The float as the shortest number that reads back to the same 32-bit float (23.4, not
// 23.399999618530273); null for a value that is not finite, which JSON cannot hold.
nlohmann::ordered_json JsonFloat(float value);

// ISO 8601 without a zone ("2026-12-08T07:27:40"): the thermometer's clock keeps none.
std::string IsoDateTime(const DateTime& t);

// The document as UTF-8 indented by two and ended by LF. A byte that is no UTF-8 (text from a
// damaged file or database) becomes U+FFFD rather than failing the whole output.
std::string JsonText(const nlohmann::ordered_json& document);

} // namespace vestra
