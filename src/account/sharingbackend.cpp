#include "account/sharingbackend.h"

namespace VarnAccount {

SharingBackend::SharingBackend(QObject *parent)
    : QObject(parent)
{
}

SharingBackend::~SharingBackend() = default;

} // namespace VarnAccount
