// Below any Qt command-line tool: a process that loads Qt Core and uses one
// of its functions, with no application object. What it costs is the
// loading of Qt Core and its libraries alone.
#include <QString>

int main(int argc, char **)
{
    return int(QString::number(argc).size()) - 1;
}
