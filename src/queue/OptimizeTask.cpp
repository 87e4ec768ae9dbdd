#include "OptimizeTask.h"

OptimizeTask::OptimizeTask(quint64 generation)
    : m_generation(generation)
{
}
