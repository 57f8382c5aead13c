#pragma once
#include <QString>
#include <exception>
#include <functional>

class CCommonUtility;
class IMessagePresenter;
class IStringSource;

// How a command that failed says so: message 10008 with the operation's name, the code and, where a
// file was being written, which file and the system's reason. Commands run their work through Run so
// that no exception leaves a slot or an event handler and the editor goes on.
namespace CommandFailure {

// The code 10008 shows for an exception, and the reason it carries. Outside the model family an error
// while a file was being written counts as a failed write (0xa), a failed allocation as a failed
// memory request (4), anything else as an invalid call (7).
int Code(const std::exception_ptr& error, bool writing, QString& reason);

// The third insert of 10008: which file could not be written and, where known, why; without a file,
// the reason alone.
QString Details(const IStringSource& strings, const QString& file, const QString& reason);

void Report(const IStringSource& strings, IMessagePresenter& presenter, const QString& operation,
            const std::exception_ptr& error, const QString& file = QString());
// Through the service object's texts and presenter; nothing is shown without them.
void Report(const CCommonUtility& utility, const QString& operation, const std::exception_ptr& error,
            const QString& file = QString());

// Why a new file at this path cannot be written now, in the system's words: its folder cannot be reached
// or made, or takes no new file or no byte more (a full disk). Empty when nothing stands in the way. For
// writers that say only that they failed (QSettings). Leaves nothing behind.
QString WriteFailureReason(const QString& file);

// Runs the work; an exception that leaves it is reported as above and goes no further. False when
// the work failed.
bool Run(const CCommonUtility& utility, const QString& operation, const std::function<void()>& work,
         const QString& file = QString());

}  // namespace CommandFailure
