#include "scene/random.h"

namespace vl {

std::uint32_t NextCreationSeed() {
    static RandomGenerator generator;
    return static_cast<std::uint32_t>(generator.Next());
}

}  // namespace vl
