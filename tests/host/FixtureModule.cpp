// A library that looks like a VST 3 module to different degrees, so the loader's failure
// paths can be exercised with real dlopen calls.
#define EXPORTED extern "C" __attribute__((visibility("default")))

#if defined(FIXTURE_NO_ENTRY)
EXPORTED int fixtureMarker()
{
    return 1;
}
#else
EXPORTED bool ModuleEntry(void*)
{
#if defined(FIXTURE_REFUSING_ENTRY)
    return false;
#else
    return true;
#endif
}

EXPORTED bool ModuleExit()
{
    return true;
}

#if defined(FIXTURE_NULL_FACTORY)
EXPORTED void* GetPluginFactory()
{
    return nullptr;
}
#endif
#endif
