#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <atomic>
#include <vector>

namespace Steinberg
{

// The module's class factory: classes are registered with a create function and created
// by class id. Class information is answered in both the 8-bit and the 16-bit forms.
class CPluginFactory : public IPluginFactory3
{
public:
    using CreateFunction = FUnknown* (*)(void* context);

    explicit CPluginFactory(const PFactoryInfo& info);
    virtual ~CPluginFactory();

    // False if the class id is already registered or an argument is missing.
    bool registerClass(const PClassInfo* info, CreateFunction createFunc, void* context = nullptr);
    bool registerClass(const PClassInfo2* info, CreateFunction createFunc, void* context = nullptr);
    bool registerClass(const PClassInfoW* info, CreateFunction createFunc, void* context = nullptr);
    bool isRegistered(const FUID& cid) const;
    void removeAllClasses() { classes.clear(); }

    tresult PLUGIN_API queryInterface(const TUID _iid, void** obj) override;
    uint32 PLUGIN_API addRef() override;
    uint32 PLUGIN_API release() override;

    tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override;
    int32 PLUGIN_API countClasses() override;
    tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override;
    // The new object gets exactly the reference handed out through obj.
    tresult PLUGIN_API createInstance(FIDString cid, FIDString _iid, void** obj) override;
    tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) override;
    tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) override;
    tresult PLUGIN_API setHostContext(FUnknown* context) override;

    FUnknown* getHostContext() const { return hostContext; }

protected:
    struct ClassEntry
    {
        PClassInfo2 info8;
        PClassInfoW info16;
        CreateFunction createFunc;
        void* context;
    };

    const ClassEntry* findClass(const char* cid) const;
    bool addClass(const PClassInfo2& info8, const PClassInfoW& info16, CreateFunction createFunc,
                  void* context);

    std::atomic<int32> refCount{1};
    PFactoryInfo factoryInfo;
    std::vector<ClassEntry> classes;
    IPtr<FUnknown> hostContext;
};

} // namespace Steinberg

// The module's factory while one exists; GetPluginFactory sets it, the factory's destructor
// clears it.
extern Steinberg::IPluginFactory* gPluginFactory;
