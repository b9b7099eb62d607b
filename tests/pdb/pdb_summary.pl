#!/usr/bin/perl
# Prints what Palm::PDB (with the raw record handler) reads from one database: the header
# fields, the record count, and each record's size. Records of up to 8 bytes are printed in
# hex as well.
use strict;
use warnings;
use Palm::PDB;
use Palm::Raw;

binmode STDOUT, ':raw';
my $pdb = Palm::PDB->new;
$pdb->Load($ARGV[0]);
print "name=$pdb->{name}\n";
print "type=$pdb->{type}\n";
print "creator=$pdb->{creator}\n";
print "version=$pdb->{version}\n";
print "records=", scalar @{$pdb->{records}}, "\n";
my $i = 0;
for my $record (@{$pdb->{records}}) {
  my $data = $record->{data};
  print "record $i: ", length($data), " bytes";
  print " ", unpack("H*", $data) if length($data) <= 8;
  print "\n";
  $i++;
}
