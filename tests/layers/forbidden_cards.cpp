// Must not compile: the cards layer cannot see the shell above it.
#include "shell/shell.hpp"
