// Must not compile: the platform layer cannot see the cards layer above it.
#include "cards/card.hpp"
