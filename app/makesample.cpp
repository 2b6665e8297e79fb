// Writes the sample project that ships with the program:
//   kelvra-makesample FILE
#include "app/core/objectfile.h"
#include "app/core/sampleproject.h"

#include "host/errors.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: kelvra-makesample FILE\n";
        return 2;
    }
    try {
        std::vector<kelvra::app::ObjectRecord> records;
        for (const auto &object : kelvra::app::sample_objects())
            records.push_back(object->record());
        kelvra::app::save_objects(QString::fromLocal8Bit(argv[1]), records);
    } catch (const std::exception &error) {
        std::cerr << "kelvra-makesample: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
