"""Versalune's data build: French word list, rhyme sounds, spelling, synonyms, homonyms."""
