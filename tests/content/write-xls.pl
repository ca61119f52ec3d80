#!/usr/bin/perl
# Writes a sheet of strings and numbers with Spreadsheet::WriteExcel, as a user's edit would.
use strict;
use warnings;
use utf8;
use Spreadsheet::WriteExcel;

my $book = Spreadsheet::WriteExcel->new($ARGV[0]) or die "cannot write $ARGV[0]\n";
my $sheet = $book->add_worksheet('Devices');
$sheet->write_string(0, 0, 'mac(*This column cannot be modified*)');
$sheet->write_string(0, 1, 'vid1');
$sheet->write_string(0, 2, 'ssid_2.4g');
$sheet->write_string(1, 0, '02:00:00:00:00:01');
$sheet->write_number(1, 1, 100);
$sheet->write_string(1, 2, "Caf\x{e9} \x{4e2d}\x{6587}");
$sheet->write_string(2, 0, '02:00:00:00:00:02');
$sheet->write_number(2, 1, 4094);
$sheet->write_number(2, 2, 3.25);
$sheet->write_number(3, 1, -7);
$sheet->write_number(3, 2, 12345678901);
$book->add_worksheet('Other')->write_string(0, 0, 'second sheet');
$book->close() or die "cannot close\n";
