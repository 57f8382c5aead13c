#pragma once
#include <system_error>
#include <thread>

#include "CProfileProgressDlg.h"

// While one lives, the progress dialogs cannot start their worker threads, as when the system has none left.
struct NoWorkerThreads {
    NoWorkerThreads() = default;
    NoWorkerThreads(const NoWorkerThreads&) = delete;
    ~NoWorkerThreads() { CProfileProgressDlg::SetThreadStart(previous); }
    CProfileProgressDlg::ThreadStart previous =
        CProfileProgressDlg::SetThreadStart([](std::function<void()>) -> std::thread {
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        });
};
