#pragma once

namespace VarnAccount {

enum class AuthState
{
    Uninitialized = 0,
    Unauthenticated = 1,
    Authenticated = 3
};

} // namespace VarnAccount
