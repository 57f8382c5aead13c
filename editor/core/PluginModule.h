#pragma once

#include <QString>

#include "DynamicLibrary.h"

// One opened plug-in library and the instance its GetInstance returned. Shared by the records that
// name it; released once, by the host.
class PluginModule {
public:
    explicit PluginModule(QString fileName) : m_fileName(std::move(fileName)) {}
    ~PluginModule() { Release(); }
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    DynamicLibrary& Library() { return m_library; }
    const QString& FileName() const { return m_fileName; }
    void SetInstance(void* instance) { m_instance = instance; }
    void* Instance() const { return m_instance; }

    // Lets the plug-in delete its instance (when it exports DeleteInstance and one was taken), then
    // closes the library. Nothing happens the second time.
    void Release();

private:
    DynamicLibrary m_library;
    QString m_fileName;
    void* m_instance = nullptr;
};
