#include <QCoreApplication>

#include <benchmark/benchmark.h>

// Main of every benchmark program: the SQL drivers need Qt's application object.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
