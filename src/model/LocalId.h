#pragma once

// Identities for the queue's jobs and their files: random version-4 UUIDs that need only be unique
// within this process, so they come from the process's seeded generator rather than the system's
// source of randomness, which on some virtual machines costs microseconds a call and a large intake
// makes tens of thousands of them.

#include <QUuid>

namespace LocalId {

QUuid make();

} // namespace LocalId
