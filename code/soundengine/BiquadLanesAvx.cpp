// Built with -mavx; reached only after the processor has been checked for AVX.
#include "code/soundengine/AvxLanes.h"

void runLaneJobAvx(LaneJob& job)
{
    runLaneJob<AvxLanes, 1>(job);
}
