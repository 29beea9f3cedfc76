// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/profile_store.h"

namespace zormade {

// The profile's text: "[section]" lines and "key=value" lines, UTF-8. Read line by line, so that
// a damaged line costs only the key it holds; written in the layout the game has always used:
// sections and keys in name order, a blank line between sections.
class IniDocument : public ProfileStore {
public:
    static IniDocument Parse(std::string_view text);
    std::string Text() const;
    // Sets every key that `other` holds to its value there.
    void Overlay(const IniDocument& other);

    // A value that cannot be decoded counts as missing.
    int GetProfileInt(const std::string& section, const std::string& key, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override;
    void WriteProfileInt(const std::string& section, const std::string& key,
                         long long value) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

private:
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

    // Values as they stand in the file, so a key the game does not know goes back unchanged.
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

// A stored value's text: quotes paired, escapes known, UTF-8 throughout; nullopt otherwise.
std::optional<std::string> DecodeIniValue(std::string_view stored);
// The stored form of a text: quoted when it holds , ; = or starts or ends with a blank,
// control characters, quotes and backslashes escaped, a leading @ doubled.
std::string EncodeIniValue(std::string_view text);

}  // namespace zormade
