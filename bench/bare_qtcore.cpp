// The floor of a Qt command-line tool: a process that only creates its
// QCoreApplication. The process comparison measures rimes against it.
#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return 0;
}
