#include "client/Error.h"

#include <utility>

Error::Error(QString description)
    : m_description(std::move(description))
    , m_what(m_description.toUtf8())
{
}
