#pragma once
#include <dlfcn.h>

#include <QString>
#include <string>

#include "PluginExports.h"

// A staged plug-in library opened the way the editor opens it, closed when the object goes.
class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::string& relativePath)
        : path_(std::string(PEL_OUT_DIR) + "/" + relativePath),
          handle_(dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        if (!handle_) error_ = dlerror();
    }
    ~LoadedPlugin() {
        if (handle_) dlclose(handle_);
    }
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    bool IsOpen() const { return handle_ != nullptr; }
    const std::string& Error() const { return error_; }
    void* Symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

    QString Category() const {
        auto f = reinterpret_cast<PFN_GetProfilePluginCategory>(Symbol(EXPORT_GET_PROFILE_PLUGIN_CATEGORY));
        return f ? f() : QString();
    }
    template <class Interface>
    Interface* Instance() const {
        using Fn = Interface* (*)();
        auto f = reinterpret_cast<Fn>(Symbol(EXPORT_GET_INSTANCE));
        return f ? f() : nullptr;
    }
    void DeleteInstance() const {
        if (auto f = reinterpret_cast<PFN_DeleteInstance>(Symbol(EXPORT_DELETE_INSTANCE))) f();
    }

private:
    std::string path_;
    void* handle_;
    std::string error_;
};
