#!/usr/bin/perl
# Prints every cell of the first sheet of an .xls file as "row<TAB>column<TAB>hex of UTF-8".
use strict;
use warnings;
use Encode qw(decode encode_utf8);
use Spreadsheet::ParseExcel;

my $parser = Spreadsheet::ParseExcel->new;
my $book = $parser->parse($ARGV[0]) or die $parser->error(), "\n";
my $sheet = $book->worksheet(0) or die "no sheet\n";
my ($row_min, $row_max) = $sheet->row_range();
my ($col_min, $col_max) = $sheet->col_range();
for my $row ($row_min .. $row_max) {
    for my $col ($col_min .. $col_max) {
        my $cell = $sheet->get_cell($row, $col) or next;
        my $value = $cell->unformatted();
        next if !defined $value || $value eq '';
        # Texts stored as UTF-16 come back as their big-endian bytes.
        $value = decode('UTF-16BE', $value) if ($cell->encoding() // 0) == 2;
        print "$row\t$col\t", unpack('H*', encode_utf8($value)), "\n";
    }
}
