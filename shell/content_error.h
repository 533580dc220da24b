#pragma once

#include <QString>
#include <exception>

// A fault in a content file. Every content fault travels as this one type, so that one error
// path can name the file and the fault to the player and end the game cleanly.
class ContentError : public std::exception {
public:
    ContentError(QString file, QString fault)
        : m_file(std::move(file)), m_fault(std::move(fault)) {}

    /// Full path of the file at fault.
    const QString& file() const { return m_file; }
    /// What is wrong with it, in Japanese.
    const QString& fault() const { return m_fault; }
    /// The whole message for the player.
    QString message() const;

    const char* what() const noexcept override { return "content error"; }

private:
    QString m_file;
    QString m_fault;
};
