#include "model/JobStatus.h"

#include <QCoreApplication>

QString label(JobStatus status)
{
    switch (status) {
    case JobStatus::queued:
        return QCoreApplication::translate("JobStatus", "Queued");
    case JobStatus::running:
        return QCoreApplication::translate("JobStatus", "Processing");
    case JobStatus::succeeded:
        return QCoreApplication::translate("JobStatus", "Done");
    case JobStatus::failed:
        return QCoreApplication::translate("JobStatus", "Failed");
    case JobStatus::stopped:
        return QCoreApplication::translate("JobStatus", "Stopped");
    }
    return {};
}

QString icon(JobStatus status)
{
    switch (status) {
    case JobStatus::queued:
        return QStringLiteral("clock");
    case JobStatus::running:
        return QStringLiteral("hourglass");
    case JobStatus::succeeded:
        return QStringLiteral("checkmark.circle.fill");
    case JobStatus::failed:
        return QStringLiteral("xmark.octagon.fill");
    case JobStatus::stopped:
        return QStringLiteral("stop.fill");
    }
    return {};
}

NamedColor color(JobStatus status)
{
    switch (status) {
    case JobStatus::queued:
        return NamedColor::secondary;
    case JobStatus::running:
        return NamedColor::blue;
    case JobStatus::succeeded:
        return NamedColor::green;
    case JobStatus::failed:
        return NamedColor::red;
    case JobStatus::stopped:
        return NamedColor::secondary;
    }
    return NamedColor::secondary;
}
