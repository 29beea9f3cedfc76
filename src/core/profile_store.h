// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zormade {

// Named sections of integer and text values kept between program runs.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The stored integer, or the default when the key is missing or holds no number.
    virtual int GetProfileInt(const std::string& section, const std::string& key, int def) = 0;
    // The stored text, or the default when the key is missing; a present empty value is "".
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& def) = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& key,
                                 long long value) = 0;
    virtual void WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
};

}  // namespace zormade
