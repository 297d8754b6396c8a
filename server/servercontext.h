#pragma once

#include "server/devicestore.h"
#include "server/loginlimiter.h"
#include "server/sessionservice.h"
#include "server/storage.h"

#include <QString>

// What every route file works with; owned by main() for the life of the server.
struct ServerContext
{
    const Storage &storage;
    SessionService &sessions;
    DeviceStore devices;
    LoginLimiter limiter;
    QString realm;
};
