#include "DynamicLibrary.h"

#include <dlfcn.h>
#include <QDir>
#include <QFile>

DynamicLibrary::~DynamicLibrary() {
    Close();
}

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : m_handle(other.m_handle), m_path(std::move(other.m_path)), m_error(std::move(other.m_error)) {
    other.m_handle = nullptr;
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        Close();
        m_handle = other.m_handle;
        m_path = std::move(other.m_path);
        m_error = std::move(other.m_error);
        other.m_handle = nullptr;
    }
    return *this;
}

bool DynamicLibrary::Open(const QString& absolutePath) {
    Close();
    m_error.clear();
    if (absolutePath.isEmpty() || !QDir::isAbsolutePath(absolutePath)) {
        m_error = QStringLiteral("%1: not an absolute path").arg(absolutePath);
        return false;
    }
    const QByteArray native = QFile::encodeName(absolutePath);
    dlerror();
    m_handle = dlopen(native.constData(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) {
        const char* text = dlerror();
        m_error = text != nullptr ? QString::fromLocal8Bit(text)
                                  : QStringLiteral("%1: cannot open").arg(absolutePath);
        return false;
    }
    m_path = absolutePath;
    return true;
}

void* DynamicLibrary::Resolve(const char* symbolName) {
    if (m_handle == nullptr || symbolName == nullptr) return nullptr;
    dlerror();
    void* symbol = dlsym(m_handle, symbolName);
    if (symbol == nullptr) {
        const char* text = dlerror();
        m_error = text != nullptr ? QString::fromLocal8Bit(text) : QString();
    }
    return symbol;
}

void DynamicLibrary::Close() {
    if (m_handle != nullptr) {
        dlclose(m_handle);
        m_handle = nullptr;
    }
    m_path.clear();
}
