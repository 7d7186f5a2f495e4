#pragma once
// A run-time failure with the classic number and description that messages show
// as "description Code: number".

#include <QString>
#include <exception>
#include <string>

namespace haz {

enum ErrorNumber : int {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrBadFileName = 52,
    ErrFileNotFound = 53,
    ErrInputPastEnd = 62,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrObjectNotSet = 91,
    ErrInvalidPropertyValue = 380,
    ErrNoSuchMember = 438,
    ErrInvalidPicture = 481,
};

// The standard description of a classic error number ("Overflow", "Type mismatch", ...).
QString standardDescription(int number);

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const QString &description);

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    // "description Code: number", the text of every failure message box.
    QString messageText() const;
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

// The program-wide record of the last failure that was noted instead of shown.
struct LastError {
    QString description;
    qint32 number = 0;

    void record(const RuntimeError &e)
    {
        description = e.description();
        number = e.number();
    }
    void record(const QString &text, qint32 code)
    {
        description = text;
        number = code;
    }
};

} // namespace haz
