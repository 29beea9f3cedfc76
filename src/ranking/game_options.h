#pragma once

namespace zormade {

class ProfileStore;

// level and speed: 0 hardest/fastest to 2; skipOpening: nonzero leaves the title picture out.
struct GameOptions {
    int level = 2;
    int speed = 2;
    int skipOpening = 0;

    void Load(ProfileStore& profile);
    void Save(ProfileStore& profile) const;
};

}  // namespace zormade
