// The entry point of the remote control's module, loaded when remote control is first used.
#include "remote/ThreadedRemoteService.h"

extern "C" Q_DECL_EXPORT RemoteService *lectoscopeCreateRemoteService() {
    return new ThreadedRemoteService;
}
