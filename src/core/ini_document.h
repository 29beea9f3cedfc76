// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/profile_store.h"

namespace zormade {

// Turns a value's bytes that are not UTF-8 into UTF-8 when they are text of the code page older
// profiles were kept in; nothing otherwise.
using LegacyDecoder = std::function<std::optional<std::string>(std::string_view)>;

// The profile's text: "[section]" lines and "key=value" lines, UTF-8 (a UTF-16 file, with its
// byte order mark or with a first line of ASCII characters, is read as such and written as
// UTF-8). Read line by line, so that a damaged line costs only itself.
// Written back line for line: only the keys this object changed are rewritten, and every other
// line (comments, lines it does not understand) stays where it was. A new key goes before the
// first key of its section with a later name, a new section likewise, which gives a new file the
// layout the game has always used. Section and key names match without regard to letter case.
class IniDocument : public ProfileStore {
public:
    static IniDocument Parse(std::string_view text, LegacyDecoder legacy = {});
    std::string Text() const;
    // Sets every key that `other` holds to its stored value there.
    void Overlay(const IniDocument& other);
    bool HasSection(const std::string& name) const;
    // Nothing but blanks and line ends.
    bool Blank() const;

    // A value's encoding is decided before its escapes are read: a byte of a code page 932
    // character may be a backslash. A value that cannot be read as text is shown with U+FFFD in
    // place of each byte that makes no character; written back unchanged, the stored bytes stay
    // as they were, wherever in its section the text goes. A number that cannot be read counts as
    // missing, and writing back the default it gave leaves it as it was.
    int GetProfileInt(const std::string& section, const std::string& key, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override;
    void WriteProfileInt(const std::string& section, const std::string& key,
                         long long value) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

private:
    struct Line {
        std::string text;  // as it stands in the file
        bool entry = false;
        std::string key;
        std::string value;  // stored form
    };
    struct Section {
        std::string name;
        std::string header;  // empty for the lines before the first header
        std::vector<Line> lines;
    };
    // UTF-8 as it should be, text of the older code page, or shown as best it could be.
    enum class Reading { Exact, Legacy, Unread };
    struct Shown {
        std::string text;
        Reading reading;
    };

    Line* Find(const std::string& section, const std::string& key);
    void Store(const std::string& section, const std::string& key, const std::string& stored);
    Shown Show(std::string_view stored) const;

    std::vector<Section> sections_{Section{}};
    bool byteOrderMark_ = false;
    LegacyDecoder legacy_;
    // Shown texts of values that could not be read faithfully, and their stored form.
    std::map<std::string, std::string> unreadTexts_;
    // Numbers that could not be read, by section and key, and the default given for each.
    std::map<std::string, long long> unreadNumbers_;
};

// A stored value's text: quotes paired, escapes known, UTF-8 throughout; nullopt otherwise.
std::optional<std::string> DecodeIniValue(std::string_view stored);
// The stored form of a text: quoted when it holds , ; = or starts or ends with a blank,
// control characters, quotes and backslashes escaped, a leading @ doubled.
std::string EncodeIniValue(std::string_view text);

}  // namespace zormade
