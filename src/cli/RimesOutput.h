#pragma once

// Everything rimes prints goes through one stream writer that remembers a
// lost write: a full disk or a closed output must end the command with an
// error, never with the status of a search that printed nothing.
#include <QByteArray>
#include <QString>

#include <cstdio>

class RimesOutput {
public:
    explicit RimesOutput(FILE *stream) : m_stream(stream) {}

    // Writes bytes unless an earlier write already failed.
    bool write(const QByteArray &bytes);
    // Flushes the stream; true when every byte reached it.
    bool finish();
    bool failed() const { return m_failed; }
    // Why the output was lost, in French.
    QString failureText() const;

private:
    FILE *m_stream;
    bool m_failed = false;
    int m_error = 0;
};

#include <QIODevice>

// The writer seen as a device, for the export that writes to any device.
class RimesOutputDevice : public QIODevice {
public:
    explicit RimesOutputDevice(RimesOutput &output) : m_output(output) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        return m_output.write(QByteArray::fromRawData(data, size)) ? size : -1;
    }

private:
    RimesOutput &m_output;
};
