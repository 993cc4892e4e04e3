// The settings and statistics store on SQLite.
#include "shell/settings_store.hpp"
