#pragma once

#include <QString>

// A shared object opened with dlopen. ELF has no export ordinals, so symbols are resolved by name.
// The library is opened with RTLD_NOW, so a missing dependency fails at Open and never at a later call,
// and with RTLD_LOCAL, so two plug-ins built from one source never bind to each other's globals.
class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;

    // dlopen searches neither the executable's folder nor the current one for a bare name,
    // so only an absolute path is accepted. False on failure; ErrorText() tells why.
    bool Open(const QString& absolutePath);
    // Null when the library is not open or has no such symbol.
    void* Resolve(const char* symbolName);
    template <typename Fn>
    Fn ResolveFunction(const char* symbolName) {
        return reinterpret_cast<Fn>(Resolve(symbolName));
    }
    // Releases the library; safe to call when it is not open.
    void Close();

    bool IsOpen() const { return m_handle != nullptr; }
    void* Handle() const { return m_handle; }
    const QString& Path() const { return m_path; }
    // The dlerror() text of the last failing Open or Resolve.
    const QString& ErrorText() const { return m_error; }

private:
    void* m_handle = nullptr;
    QString m_path;
    QString m_error;
};
