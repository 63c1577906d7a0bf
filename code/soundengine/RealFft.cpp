#include "code/soundengine/RealFft.h"

#include <cstring>
#include <fftw3.h>
#include <mutex>

namespace
{
// FFTW's planner is not thread-safe; executing a finished plan is.
std::mutex& plannerMutex()
{
    static std::mutex mutex;
    return mutex;
}
} // namespace

CRealFft::~CRealFft()
{
    release();
}

void CRealFft::release()
{
    std::lock_guard<std::mutex> guard(plannerMutex());
    if (forwardPlan) fftwf_destroy_plan(static_cast<fftwf_plan>(forwardPlan));
    if (inversePlan) fftwf_destroy_plan(static_cast<fftwf_plan>(inversePlan));
    fftwf_free(real);
    fftwf_free(complex);
    forwardPlan = inversePlan = nullptr;
    real = complex = nullptr;
    n = 0;
}

bool CRealFft::setup(int size)
{
    if (size == n && forwardPlan) return true;
    release();
    if (size < 4 || (size & (size - 1)) != 0) return false;

    std::lock_guard<std::mutex> guard(plannerMutex());
    real = fftwf_alloc_real(static_cast<size_t>(size));
    complex = fftwf_alloc_real(static_cast<size_t>(size) + 2);
    if (!real || !complex) return false;
    auto* bins = reinterpret_cast<fftwf_complex*>(complex);
    forwardPlan = fftwf_plan_dft_r2c_1d(size, real, bins, FFTW_ESTIMATE);
    inversePlan = fftwf_plan_dft_c2r_1d(size, bins, real, FFTW_ESTIMATE);
    if (!forwardPlan || !inversePlan) return false;
    std::memset(real, 0, sizeof(float) * static_cast<size_t>(size));
    std::memset(complex, 0, sizeof(float) * (static_cast<size_t>(size) + 2));
    n = size;
    return true;
}

void CRealFft::transformForward()
{
    if (n == 0) return;
    fftwf_execute(static_cast<fftwf_plan>(forwardPlan));
    // The Nyquist bin's real part moves into the slot of DC's (always zero) imaginary part.
    complex[1] = complex[n];
}

void CRealFft::transformInverse()
{
    if (n == 0) return;
    complex[n] = complex[1];
    complex[1] = 0.0f;
    complex[n + 1] = 0.0f;
    fftwf_execute(static_cast<fftwf_plan>(inversePlan));
}

void CRealFft::forward(const float* input, float* output)
{
    if (n == 0) return;
    const size_t count = static_cast<size_t>(n);
    std::memcpy(real, input, sizeof(float) * count);
    transformForward();
    std::memcpy(output, complex, sizeof(float) * count);
}

void CRealFft::inverse(const float* input, float* output)
{
    if (n == 0) return;
    const size_t count = static_cast<size_t>(n);
    std::memcpy(complex, input, sizeof(float) * count);
    transformInverse();
    std::memcpy(output, real, sizeof(float) * count);
}
