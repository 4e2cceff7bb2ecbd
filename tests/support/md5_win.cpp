#include "support/md5_for_tests.h"

#include "base/md5_win.h"

std::string md5ForTests(std::string_view data) { return md5Digest(data); }
