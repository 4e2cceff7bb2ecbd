#pragma once

#include "base/handle_win.h"

#include <wininet.h>

struct CloseInternetHandle {
    void operator()(HINTERNET h) const { InternetCloseHandle(h); }
};
// Declare in opening order: members and locals are destroyed in reverse, so a
// request closes before its connection and the connection before the session.
using InternetHandle = UniqueHandle<NullHandleTraits<HINTERNET, CloseInternetHandle>>;
